#include "ui/geneset/GeneSetKeeper.h"

#include "model/Text.h"
#include "storage/DefaultGeneSet.h"
#include "storage/GeneSetFolder.h"
#include "storage/IniFile.h"
#include "storage/ShippedGeneSets.h"
#include "ui/kit/CoreText.h"
#include "ui/kit/ShowMessage.h"

TGeneSetKeeper::TGeneSetKeeper(const std::string& appDir, QObject* parent)
    : QObject(parent), FAppDir(appDir), FBackups(appDir) {}

std::string TGeneSetKeeper::SelectedGeneSet() const {
    return ToCore(FSelectedName);
}

std::vector<std::string> TGeneSetKeeper::GeneSetNames() const {
    return ListGeneSets(FAppDir);
}

bool TGeneSetKeeper::Load() {
    const std::string name = SelectedGeneSet();
    const std::string path = name.empty() ? MainSettingsPath(FAppDir) : GeneSetPath(FAppDir, name);
    TGeneSet loaded;
    const TGeneSetLoad load = LoadGeneSet(path, loaded);
    if (load.Kind == TGeneSetLoad::TKind::Unreadable) {
        FUnreadFiles.insert(path);
        ShowMessage(FromCore(load.Message));
        return false;
    }
    FUnreadFiles.erase(path);
    emit ReleasingAll();
    FGeneSet = std::move(loaded);
    // The set in memory is the one picked, whatever name its file recorded.
    if (!name.empty())
        FGeneSet.Name = name;
    FUndoSteps.clear();
    FRedoSteps.clear();
    emit HistoryChanged();
    emit SetReplaced();
    if (!load.Message.empty())
        ShowMessage(FromCore(load.Message));
    return true;
}

bool TGeneSetKeeper::Reload() {
    if (!Load())
        return false;
    emit LociChanged(false);
    return true;
}

bool TGeneSetKeeper::Save(const std::string& path) {
    emit Saving();
    return Store(path, FGeneSet);
}

bool TGeneSetKeeper::Store(const std::string& path, const TGeneSet& set) {
    FBackups.KeepBeforeReplacing(path);
    std::string message;
    if (SaveGeneSet(path, set, message))
        return true;
    ShowMessage(FromCore(message));
    return false;
}

bool TGeneSetKeeper::SaveAutomatically(const std::string& path) {
    return FUnreadFiles.contains(path) || Save(path);
}

// A name that is no file of this folder has no file of its own.
bool TGeneSetKeeper::SaveSetToItsFile() {
    return !IsValidGeneSetName(FGeneSet.Name) || SaveAutomatically(GeneSetPath(FAppDir, FGeneSet.Name));
}

// The copy records its own name, so that it is never taken for the set it was copied from.
bool TGeneSetKeeper::SaveNewGeneSet(const std::string& name, const QString& startFrom) {
    const std::string path = GeneSetPath(FAppDir, name);
    if (startFrom.isEmpty()) {
        const std::string current = FGeneSet.Name;
        FGeneSet.Name = name;
        const bool saved = Save(path);
        FGeneSet.Name = current;
        return saved;
    }
    const std::string shippedName = ToCore(startFrom);
    TGeneSet shipped;
    LoadGeneSetText(ShippedGeneSetText(shippedName).value_or(""), shipped, shippedName + ".INI");
    shipped.Name = name;
    return Store(path, shipped);
}

bool TGeneSetKeeper::SaveAtExit() {
    const std::string mainSettings = MainSettingsPath(FAppDir);
    if (!SaveAutomatically(mainSettings))
        return false;
    const std::string name = SelectedGeneSet();
    if (IsValidGeneSetName(name) && !SaveAutomatically(GeneSetPath(FAppDir, name)))
        return false;
    if (FUnreadFiles.contains(mainSettings))
        return false;
    FBackups.KeepBeforeReplacing(mainSettings);
    std::string message;
    if (!WriteFileKey(mainSettings, "Statistics", "IniFile", name, message)) {
        ShowMessage(FromCore(message));
        return false;
    }
    return true;
}

void TGeneSetKeeper::RestoreDefaults() {
    const std::string mainSettings = MainSettingsPath(FAppDir);
    const std::string serpentia = GeneSetPath(FAppDir, DefaultGeneSetName);
    // Another set picked in the selector is read again from its file below, so its work goes there first,
    // as at a switch.
    const std::string selected = SelectedGeneSet();
    if (!selected.empty() && !SameTextIgnoringCase(selected, DefaultGeneSetName) && !SaveSetToItsFile())
        return;
    FBackups.KeepBeforeReplacing(mainSettings);
    FBackups.KeepBeforeReplacing(serpentia);
    std::string message;
    if (!WriteDefaultGeneSetFiles(FAppDir, message)) {
        ShowMessage(FromCore(message));
        return;
    }
    // What the two files hold now is known, so later saves may replace them.
    FUnreadFiles.erase(mainSettings);
    FUnreadFiles.erase(serpentia);
    Reload();
}

void TGeneSetKeeper::RecordEdit(const QString& name, TGeneData before) {
    FUndoSteps.push_back({name, std::move(before)});
    FRedoSteps.clear();
    emit HistoryChanged();
}

void TGeneSetKeeper::Undo() {
    TakeStep(FUndoSteps, FRedoSteps);
}

void TGeneSetKeeper::Redo() {
    TakeStep(FRedoSteps, FUndoSteps);
}

QString TGeneSetKeeper::UndoName() const {
    return FUndoSteps.empty() ? QString() : FUndoSteps.back().Name;
}

QString TGeneSetKeeper::RedoName() const {
    return FRedoSteps.empty() ? QString() : FRedoSteps.back().Name;
}

// As at a load, the views let go of every gene and combination before they are replaced, and then show
// the set again; the parents stay as typed, so the report is calculated anew for them.
void TGeneSetKeeper::TakeStep(std::vector<TEditStep>& from, std::vector<TEditStep>& to) {
    if (from.empty())
        return;
    TEditStep step = std::move(from.back());
    from.pop_back();
    emit ReleasingAll();
    std::swap(step.Data.LocusList, FGeneSet.LocusList);
    std::swap(step.Data.CombiList, FGeneSet.CombiList);
    to.push_back(std::move(step));
    emit LociChanged(false);
    emit HistoryChanged();
}
