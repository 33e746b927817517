#pragma once
// The picture area of the entry editor's first page: shows the current recording's
// picture as the loader delivers it, and routes "Picture...", "Remove Picture" and a
// picture file dropped on the area to the editor's session.
#include <QObject>

class QImage;
class QLabel;
class QPushButton;
class QWidget;

namespace vinaxo {

class CoverLoader;
class EntryEditSession;
class IFileDialogs;

class CoverPanel : public QObject {
    Q_OBJECT
public:
    CoverPanel(EntryEditSession& session, IFileDialogs& dialogs, QLabel* picture, QPushButton* choose,
               QPushButton* remove, QWidget* window);

    // Shows the current recording's picture (read in the background).
    void refresh();
    CoverLoader& loader() { return *m_loader; }

Q_SIGNALS:
    // The user set or removed the picture.
    void edited();
    // A short notice for the status bar.
    void notice(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void choose();
    void remove();
    void setFrom(const QString& path);
    void show(bool found, const QImage& image);

    EntryEditSession& m_session;
    IFileDialogs& m_dialogs;
    QLabel* m_picture;
    QPushButton* m_choose;
    QPushButton* m_remove;
    QWidget* m_window;
    CoverLoader* m_loader;
};

} // namespace vinaxo
