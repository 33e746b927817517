#include "ui/entry/CoverLoader.h"

#include "lookup/CoverStore.h"

#include <QBuffer>
#include <QImageReader>
#include <utility>

namespace vinaxo {

CoverLoader::CoverLoader(QObject* parent) : QObject(parent)
{
    // One at a time: only the newest request matters.
    m_pool.setMaxThreadCount(1);
    m_settle.setSingleShot(true);
    m_settle.setInterval(SettleMs);
    connect(&m_settle, &QTimer::timeout, this, &CoverLoader::start);
}

CoverLoader::~CoverLoader()
{
    cancel();
    m_pool.waitForDone(); // nothing may reach this object once it is gone
}

void CoverLoader::cancel()
{
    m_answered = ++m_generation;
    m_settle.stop();
    m_pool.clear();
}

void CoverLoader::load(const CoverSource& source, QSize box)
{
    ++m_generation;
    m_pool.clear(); // requests not yet started are stale already
    m_next = source;
    m_box = box;
    m_settle.start();
}

void CoverLoader::start()
{
    const quint64 generation = m_generation;
    const CoverSource source = std::exchange(m_next, {});
    const QSize box = m_box;
    m_pool.start([this, generation, source, box] {
        if (generation != m_generation)
            return;
        Result r = read(source, box);
        if (generation != m_generation)
            return;
        QMetaObject::invokeMethod(
            this,
            [this, generation, r] {
                if (generation != m_generation)
                    return;
                m_answered = generation;
                Q_EMIT loaded(r.found, r.image);
            },
            Qt::QueuedConnection);
    });
}

CoverLoader::Result CoverLoader::read(const CoverSource& source, QSize box)
{
    Result r;
    QByteArray bytes;
    QString path;
    if (source.image) {
        bytes = *source.image;
        r.found = !bytes.isEmpty();
    } else {
        path = CoverStore(source.collectionFile).find(source.key);
        r.found = !path.isEmpty();
    }
    if (!r.found || box.isEmpty())
        return r;
    QBuffer buffer(&bytes);
    QImageReader reader;
    if (path.isEmpty()) {
        buffer.open(QIODevice::ReadOnly);
        reader.setDevice(&buffer);
    } else {
        reader.setFileName(path);
    }
    reader.setAutoTransform(true);
    // Decoders that can scale while decoding (JPEG) then do far less work.
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > box.width() || size.height() > box.height()))
        reader.setScaledSize(size.scaled(box, Qt::KeepAspectRatio));
    QImage image = reader.read();
    if (!image.isNull() && (image.width() > box.width() || image.height() > box.height()))
        image = image.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    r.image = std::move(image);
    return r;
}

} // namespace vinaxo
