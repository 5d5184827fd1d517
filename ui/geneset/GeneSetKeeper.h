// The gene set in memory and its files: the set, the name it is shown under, the files this run could not
// read and the backups. Loads, saves, switches, writes new sets and the defaults, undoes and redoes the
// edits of the set, and tells the views what changed, so that no view has to remember which others show
// the set.
#pragma once

#include "storage/BackupFolder.h"
#include "storage/GeneSetFile.h"

#include <QObject>
#include <QString>

#include <set>
#include <string>
#include <vector>

// What the Gene management tab edits: the loci with their genes, relations and health marks, and the
// combinations. The parents and choices of the Calculation tab are no part of it.
struct TGeneData {
    TLocusList LocusList;
    TCombiList CombiList;
};

class TGeneSetKeeper : public QObject {
    Q_OBJECT
public:
    // `appDir` is the folder of the gene-set files and the main settings file.
    explicit TGeneSetKeeper(const std::string& appDir, QObject* parent = nullptr);

    TGeneSet& GeneSet() { return FGeneSet; }
    const TGeneSet& GeneSet() const { return FGeneSet; }
    TLocusList& LocusList() { return FGeneSet.LocusList; }
    TCombiList& CombiList() { return FGeneSet.CombiList; }
    const std::string& AppDir() const { return FAppDir; }
    // The gene-set name the selector shows, as last picked or confirmed (typing alone changes nothing).
    const QString& SelectedName() const { return FSelectedName; }
    std::string SelectedGeneSet() const;
    void SetSelectedName(const QString& name) { FSelectedName = name; }
    // The gene sets of the application folder, as their files are there now.
    std::vector<std::string> GeneSetNames() const;

    // Loads the set the selector names, or the main settings file when it names none. A file that cannot
    // be read changes nothing and gives false; until a load reads it, no automatic save replaces it.
    bool Load();
    // Load, and every view of loci and genes built again; false when the file cannot be read.
    bool Reload();
    // Saves the set in memory to `path`, keeping the file it replaces in the backup folder.
    bool Save(const std::string& path);
    // A save at exit or at a switch: a file this run could not read is left as it is. False when the save
    // fails.
    bool SaveAutomatically(const std::string& path);
    // The set in memory into the file of its name, before another set takes its place.
    bool SaveSetToItsFile();
    // Writes the file of a new set `name`: a copy of the set in memory, or of the shipped set
    // `startFrom` when one is named.
    bool SaveNewGeneSet(const std::string& name, const QString& startFrom);
    // Both copies of the set in memory, then the name of the set in the main settings file; false when a
    // save fails or the main settings file is one this run could not read.
    bool SaveAtExit();
    // The built-in Serpentia set written over the main settings file and Serpentia's file, then loaded.
    void RestoreDefaults();

    // After loci or genes changed: `keepLocus` keeps the selected locus in view.
    void TellLociChanged(bool keepLocus = false) { emit LociChanged(keepLocus); }
    void TellCombisChanged() { emit CombisChanged(); }
    void TellRelationsChanged() { emit RelationsChanged(); }
    void TellReleasingAll() { emit ReleasingAll(); }
    // Before a gene or combination is freed.
    void TellRemoving(const void* object) { emit Removing(object); }

    // The gene data as it is now, taken before an edit whose name is known only once it is made.
    TGeneData CopyGeneData() const { return {FGeneSet.LocusList, FGeneSet.CombiList}; }
    // Keeps `before`, the gene data before the edit `name` ("delete gene Spider"), so that the edit can be
    // undone; the edits undone before it cannot be made again. Without `before`, the data as it is now.
    void RecordEdit(const QString& name, TGeneData before);
    void RecordEdit(const QString& name) { RecordEdit(name, CopyGeneData()); }
    // The gene data as it was before the last edit, or as the last undone edit left it; every view shows it.
    void Undo();
    void Redo();
    // The name of the edit Undo or Redo would take back or make again; empty when there is none.
    QString UndoName() const;
    QString RedoName() const;

signals:
    // Loci, genes and combinations are about to be freed (a load, a locus deleted, the exit): every view
    // lets go of the ones it shows.
    void ReleasingAll();
    // The loaded set is in memory: views take its state (window place, choices, parents) from it.
    void SetReplaced();
    // The set is about to be written: views put their state into it.
    void Saving();
    void LociChanged(bool keepLocus);
    void CombisChanged();
    // A dominance relation was stored: every calculation shown is out of date.
    void RelationsChanged();
    void Removing(const void* object);
    // An edit was recorded, undone or redone, or the set was replaced, which forgets them all.
    void HistoryChanged();

private:
    struct TEditStep {
        QString Name;
        TGeneData Data;
    };

    bool Store(const std::string& path, const TGeneSet& set);
    // Takes the last step of `from`: the set gets its data, and `to` keeps the data the set had.
    void TakeStep(std::vector<TEditStep>& from, std::vector<TEditStep>& to);

    std::string FAppDir;
    TBackupFolder FBackups;
    std::set<std::string> FUnreadFiles; // files whose load failed in this run
    TGeneSet FGeneSet;
    QString FSelectedName;
    // The edits of this set in this run, the last one last; a load starts them afresh.
    std::vector<TEditStep> FUndoSteps;
    std::vector<TEditStep> FRedoSteps;
};
