#pragma once
// Runs the quick filter off the window's thread: each start() supersedes a filter still
// being computed, and only the newest result is delivered, on the window's thread. The
// index of folded texts is built again only after the collection has changed.
#include "model/QuickFilter.h"

#include <QObject>
#include <QSet>
#include <QThreadPool>
#include <functional>
#include <memory>

namespace vinaxo {

class QuickFilterRunner final : public QObject {
    Q_OBJECT
public:
    explicit QuickFilterRunner(const CEntries& entries, QObject* parent = nullptr);
    ~QuickFilterRunner() override;

    // The matching keys (null: the text has no words, every recording is listed).
    std::function<void(std::shared_ptr<const QSet<QString>>)> done;

    // The collection's texts may have changed: the next filter reads them again.
    void collectionChanged() { ++m_changes; }
    void start(const QString& text);
    // Forgets a filter still running; its result is never delivered.
    void cancel();
    bool running() const { return m_running; }
    // Blocks until the running filter is computed (its result still arrives queued).
    void waitForDone() { m_pool.waitForDone(); }

private:
    const CEntries& m_entries;
    std::shared_ptr<const QuickFilterIndex> m_index;
    quint64 m_changes = 1;      // counts changes of the collection
    quint64 m_indexChanges = 0; // the count the index was built at
    bool m_running = false;
    quint64 m_generation = 0;
    std::shared_ptr<std::atomic<bool>> m_cancel;
    QThreadPool m_pool;
};

} // namespace vinaxo
