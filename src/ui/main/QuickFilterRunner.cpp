#include "ui/main/QuickFilterRunner.h"

namespace vinaxo {

QuickFilterRunner::QuickFilterRunner(const CEntries& entries, QObject* parent)
    : QObject(parent), m_entries(entries)
{
    // One filter at a time: a superseded one is cancelled and ends at once.
    m_pool.setMaxThreadCount(1);
}

QuickFilterRunner::~QuickFilterRunner()
{
    cancel();
    m_pool.waitForDone();
}

void QuickFilterRunner::cancel()
{
    ++m_generation;
    if (m_cancel)
        m_cancel->store(true);
    m_running = false;
}

void QuickFilterRunner::start(const QString& text)
{
    cancel();
    std::vector<std::string> words = QuickFilterWords(text);
    if (words.empty()) {
        if (done)
            done(nullptr);
        return;
    }
    const quint64 generation = m_generation;
    auto cancelled = std::make_shared<std::atomic<bool>>(false);
    m_cancel = cancelled;
    m_running = true;
    // The texts are copied here, on the collection's thread; everything else runs on the
    // worker.
    std::shared_ptr<const QuickFilterSnapshot> snapshot;
    const quint64 changes = m_changes;
    if (m_indexChanges != changes || !m_index)
        snapshot = std::make_shared<const QuickFilterSnapshot>(TakeQuickFilterSnapshot(m_entries));
    std::shared_ptr<const QuickFilterIndex> index = snapshot ? nullptr : m_index;
    m_pool.start([this, generation, changes, cancelled, snapshot, index, words = std::move(words)]() mutable {
        if (!index)
            index = std::make_shared<const QuickFilterIndex>(*snapshot);
        const std::vector<char> keep = index->match(words, cancelled.get());
        if (cancelled->load())
            return;
        auto keys = std::make_shared<QSet<QString>>();
        for (int i = 0; i < index->size(); ++i) {
            if (keep[std::size_t(i)])
                keys->insert(index->keyAt(i));
        }
        const bool newIndex = bool(snapshot);
        QMetaObject::invokeMethod(
            this,
            [this, generation, changes, index, newIndex, keys = std::shared_ptr<const QSet<QString>>(std::move(keys))] {
                if (generation != m_generation)
                    return;
                if (newIndex) {
                    m_index = index;
                    m_indexChanges = changes;
                }
                m_running = false;
                if (done)
                    done(keys);
            },
            Qt::QueuedConnection);
    });
}

} // namespace vinaxo
