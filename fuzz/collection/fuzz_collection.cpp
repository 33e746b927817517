// Any bytes as a collection file of either release. Besides not crashing, hanging or
// leaking, the reader and writer must agree: what a load gives, saved, must load again
// without a message and save to the very same bytes.
#include "model/Workspace.h"
#include "platform/IFormats.h"
#include "platform/IMessageService.h"
#include "storage/CFileIO.h"

#include <QDir>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

using namespace vinaxo;

namespace {
// Says Yes to the conversion question, so that old files are converted too.
class Agreeing final : public IMessageService {
public:
    using IMessageService::show;
    int showCustom(const QString&, const QString&, MsgIcon, const QStringList&, int defaultIndex) override
    {
        return defaultIndex;
    }
    MsgAnswer show(const Message& m) override
    {
        ++count;
        return m.buttons == MsgButtons::YesNo ? MsgAnswer::Yes
                                               : defaultAnswer(m.buttons, m.defaultButton);
    }
    int count = 0;
};

// The settings store is written at once, and synced; in memory that costs nothing.
QString settingsFolder()
{
    return QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/vinaxo-fuzz-XXXXXX")
                                                    : QDir::tempPath() + QStringLiteral("/vinaxo-fuzz-XXXXXX");
}

struct World {
    QTemporaryDir dir{settingsFolder()};
    Agreeing messages;
    LocaleFormats formats{QLocale(QLocale::English, QLocale::UnitedStates),
                          [] { return QDate(2026, 12, 7); }};
    Workspace ws{messages, formats, dir.filePath(QStringLiteral("settings.ini"))};

    void reset()
    {
        ws.entries.ClearDatabase();
        if (!ws.config.LastViewName().isEmpty())
            ws.config.setLastViewName(QString());
    }
};

void check(World& first, World& second, const uint8_t* data, size_t size)
{
    CFileIO in(first.ws);
    const qint16 result =
        in.OpenCDBytes(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (result != CFileIO::Loaded)
        return;
    CFileIO out(first.ws);
    const QByteArray saved = out.SaveToBytes();

    const int before = second.messages.count;
    CFileIO again(second.ws);
    if (again.OpenCDBytes(saved) != CFileIO::Loaded || second.messages.count != before)
        std::abort(); // a file we wrote did not load cleanly
    CFileIO resave(second.ws);
    if (resave.SaveToBytes() != saved)
        std::abort(); // loading and saving changed what was saved
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static World first, second;
    check(first, second, data, size);
    // Nothing stays allocated from one input to the next (the leak check counts on it).
    first.reset();
    second.reset();
    return 0;
}
