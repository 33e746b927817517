#pragma once
// The file dialogs of the window tests: each call is recorded and answered with the
// next scripted path (nothing scripted: cancelled).
#include "ui/common/IFileDialogs.h"

#include <deque>
#include <vector>

namespace vinaxo::test {

class ScriptedFileDialogs final : public IFileDialogs {
public:
    struct Call {
        bool save = false;
        FileDialogRequest request;
    };

    void choose(const QString& path) { m_answers.push_back({true, path}); }
    void cancel() { m_answers.push_back({false, QString()}); }

    std::optional<QString> openFile(QWidget*, const FileDialogRequest& r) override { return next(false, r); }
    std::optional<QString> saveFile(QWidget*, const FileDialogRequest& r) override { return next(true, r); }

    const std::vector<Call>& calls() const { return m_calls; }
    std::size_t pending() const { return m_answers.size(); }

private:
    std::optional<QString> next(bool save, const FileDialogRequest& r)
    {
        m_calls.push_back({save, r});
        if (m_answers.empty())
            return std::nullopt;
        const Answer a = m_answers.front();
        m_answers.pop_front();
        if (!a.chosen)
            return std::nullopt;
        return a.path;
    }

    struct Answer {
        bool chosen;
        QString path;
    };
    std::deque<Answer> m_answers;
    std::vector<Call> m_calls;
};

} // namespace vinaxo::test
