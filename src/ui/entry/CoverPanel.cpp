#include "ui/entry/CoverPanel.h"

#include "model/Workspace.h"
#include "ui/common/IFileDialogs.h"
#include "ui/entry/CoverLoader.h"
#include "ui/entry/EntryEditSession.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QPixmap>
#include <QPushButton>
#include <QUrl>

namespace vinaxo {

namespace {
QString noPictureText()
{
    return CoverPanel::tr("No picture");
}

// The first local file a drag carries, or empty.
QString droppedFile(const QMimeData* data)
{
    if (!data || !data->hasUrls())
        return {};
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            return url.toLocalFile();
    }
    return {};
}
} // namespace

CoverPanel::CoverPanel(EntryEditSession& session, IFileDialogs& dialogs, QLabel* picture, QPushButton* choose,
                       QPushButton* remove, QWidget* window)
    : QObject(window), m_session(session), m_dialogs(dialogs), m_picture(picture), m_choose(choose),
      m_remove(remove), m_window(window), m_loader(new CoverLoader(this))
{
    m_picture->setAcceptDrops(true);
    m_picture->installEventFilter(this);
    connect(m_choose, &QPushButton::clicked, this, &CoverPanel::choose);
    connect(m_remove, &QPushButton::clicked, this, &CoverPanel::remove);
    connect(m_loader, &CoverLoader::loaded, this, &CoverPanel::show);
}

void CoverPanel::refresh()
{
    const bool valid = m_session.entries().ValidEntry();
    m_choose->setEnabled(valid);
    // Until the new picture is read the old one would be another recording's.
    m_picture->clear();
    if (!valid) {
        m_loader->cancel();
        show(false, {});
        return;
    }
    const qreal ratio = m_picture->devicePixelRatioF();
    m_loader->load(m_session.coverSource(), m_picture->contentsRect().size() * ratio);
}

void CoverPanel::show(bool found, const QImage& image)
{
    m_remove->setEnabled(found && m_session.entries().ValidEntry());
    if (image.isNull()) {
        m_picture->setText(noPictureText());
        return;
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(m_picture->devicePixelRatioF());
    m_picture->setPixmap(pixmap);
}

void CoverPanel::choose()
{
    FileDialogRequest request;
    request.title = tr("Choose Picture");
    request.filters
        = {tr("Pictures") + QStringLiteral(" (*.jpg *.jpeg *.png)"), tr("All Files") + QStringLiteral(" (*)")};
    const QString collection = m_session.workspace().currentFileName;
    if (!collection.isEmpty())
        request.directory = QFileInfo(collection).absolutePath();
    if (const auto path = m_dialogs.openFile(m_window, request))
        setFrom(*path);
}

void CoverPanel::setFrom(const QString& path)
{
    if (!m_session.setCover(path)) {
        Q_EMIT notice(tr("%1 is not a JPEG or PNG picture that can be read.").arg(QFileInfo(path).fileName()));
        return;
    }
    Q_EMIT edited();
    refresh();
}

void CoverPanel::remove()
{
    if (!m_session.removeCover())
        return;
    Q_EMIT edited();
    refresh();
    if (m_remove->hasFocus())
        m_choose->setFocus(); // the focus stays in the area
    m_remove->setEnabled(false);
}

bool CoverPanel::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == m_picture && m_choose->isEnabled()) {
        if (e->type() == QEvent::DragEnter || e->type() == QEvent::DragMove) {
            auto* drag = static_cast<QDragMoveEvent*>(e);
            if (!droppedFile(drag->mimeData()).isEmpty())
                drag->acceptProposedAction();
            return true;
        }
        if (e->type() == QEvent::Drop) {
            auto* drop = static_cast<QDropEvent*>(e);
            const QString path = droppedFile(drop->mimeData());
            if (path.isEmpty())
                return false;
            drop->acceptProposedAction();
            setFrom(path);
            return true;
        }
    }
    return QObject::eventFilter(watched, e);
}

} // namespace vinaxo
