#pragma once
// Reads and scales recordings' pictures off the window's thread. Each request replaces
// the one before: a result for a recording the window no longer shows is dropped, and a
// request is read only once no newer one followed it for a moment, so that holding
// "Next" down reads no picture of the recordings passed over.
#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>
#include <QThreadPool>
#include <QTimer>
#include <atomic>
#include <optional>

namespace vinaxo {

// Where the picture of a recording comes from: bytes not yet saved (empty: it has none),
// or else the file kept beside the collection for its key.
struct CoverSource {
    QString key;
    std::optional<QByteArray> image;
    QString collectionFile;
};

class CoverLoader : public QObject {
    Q_OBJECT
public:
    struct Result {
        bool found = false; // a picture exists, whether or not it could be read
        QImage image;       // null when there is none or it is broken
    };

    explicit CoverLoader(QObject* parent = nullptr);
    ~CoverLoader() override;

    // Starts reading `source`, scaled down to fit `box`; `loaded` follows unless another
    // request comes first.
    void load(const CoverSource& source, QSize box);
    // Drops every request under way.
    void cancel();
    // True while the latest request has not been answered.
    bool pending() const { return m_answered != m_generation; }

    // The work done off the thread.
    static Result read(const CoverSource& source, QSize box);
    // How long a request waits for a newer one before it is read.
    static constexpr int SettleMs = 50;

Q_SIGNALS:
    void loaded(bool found, const QImage& image);

private:
    void start();

    QThreadPool m_pool;
    QTimer m_settle;
    CoverSource m_next;
    QSize m_box;
    std::atomic<quint64> m_generation{0};
    quint64 m_answered = 0;
};

} // namespace vinaxo
