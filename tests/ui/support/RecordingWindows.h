#pragma once
// The main window as the other windows see it, for their tests: records every call.
#include "ui/common/IWindows.h"

#include <QStringList>
#include <functional>
#include <utility>
#include <vector>

namespace vinaxo::test {

class RecordingWindows final : public IWindows {
public:
    void EntryChanged(qint32 action, const QString& key) override { changes.emplace_back(action, key); }
    void showCategoryList(QWidget* parent) override { ++categoryLists; if (onCategoryList) onCategoryList(parent); }
    void showMediumList(QWidget* parent) override { ++mediumLists; if (onMediumList) onMediumList(parent); }
    void showLookup(QWidget* parent, bool databaseAction) override
    {
        lookups.push_back(databaseAction);
        if (onLookup)
            onLookup(parent, databaseAction);
    }
    void showStatus(const QString& text) override { statuses << text; }
    void selectRecording(const QString& key) override { selected << key; }
    void requestActivationCheck() override { ++activationChecks; }

    std::vector<std::pair<qint32, QString>> changes;
    int categoryLists = 0, mediumLists = 0, activationChecks = 0;
    std::vector<bool> lookups;
    QStringList statuses, selected;
    std::function<void(QWidget*)> onCategoryList, onMediumList;
    std::function<void(QWidget*, bool)> onLookup;
};

} // namespace vinaxo::test
