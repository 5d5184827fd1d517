// A main window started in a fresh application folder, with messages, questions and file dialogs answered by
// the test, and any other dialog nobody asked for closed at once as a failure; and readers of what the
// window shows.
#pragma once

#include "storage/DefaultGeneSet.h"
#include "ui/calculation/CalculationTab.h"
#include "ui/calculation/ReportView.h"
#include "ui/kit/FileDialogs.h"
#include "ui/kit/ShowMessage.h"
#include "ui/pictures/PictureFrame.h"
#include "ui/window/MainWindow.h"

#include "TempFolder.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include <algorithm>
#include <functional>
#include <memory>

// Drivers of WhenDialogShows still waiting for their dialog.
inline int& DialogsAwaited() {
    static int count = 0;
    return count;
}

// A modal dialog shown while no test waits for one would hold the test in its exec() until the run's
// timeout; it is closed instead, and the test fails naming it.
class TDialogWatchdog {
public:
    TDialogWatchdog() {
        FTimer.setInterval(100);
        QObject::connect(&FTimer, &QTimer::timeout, [] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || DialogsAwaited() > 0)
                return;
            const QString name =
                QString("%1 \"%2\" titled \"%3\"")
                    .arg(modal->metaObject()->className(), modal->objectName(), modal->windowTitle());
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
            QTest::qFail(qPrintable("A dialog nobody expected was shown: " + name), __FILE__, __LINE__);
        });
        FTimer.start();
    }

private:
    QTimer FTimer;
};

// A second gene set of one locus, whose file names another set and holds a pairing of its own.
inline const std::string BoasSet =
    "[Statistics]\r\nLocusCount=1\r\nIniFile=serpentia\r\nLocus0GeneCount=1\r\n"
    "[LOCUS]\r\n0=Boa\r\n[Gene]\r\n0-0=bb:Boa\r\n[Config]\r\nMale=bb\r\n";

class TWindowFixture {
public:
    TDialogWatchdog Watchdog;
    TTempFolder Folder;
    QStringList Messages;
    QStringList Questions;
    bool AnswerYes = true;
    QStringList FileAnswers; // what the next file dialogs answer, in order; none left means Cancel

    TWindowFixture() {
        SetMessageHandler([this](const QString& text) { Messages << text; });
        SetQuestionHandler([this](const QString& text) {
            Questions << text;
            return AnswerYes;
        });
        SetFileDialogHandler([this](const QString&, const QString&) {
            return FileAnswers.isEmpty() ? QString() : FileAnswers.takeFirst();
        });
    }
    ~TWindowFixture() {
        SetMessageHandler({});
        SetQuestionHandler({});
        SetFileDialogHandler({});
    }
    TWindowFixture(const TWindowFixture&) = delete;
    TWindowFixture& operator=(const TWindowFixture&) = delete;

    void WriteDefaultSet(const std::string& fileName) const { Folder.Write(fileName, DefaultGeneSetText()); }
    // The folder as a first start from the run command or Restore defaults leaves it.
    void WriteSerpentiaFolder() const {
        WriteDefaultSet("GenericZygora.INI");
        WriteDefaultSet("Serpentia.INI");
    }
    std::unique_ptr<TMainWindow> Start() const { return std::make_unique<TMainWindow>(Folder.Path()); }
    // A first start on the built-in set, kept as "Serpentia.INI".
    std::unique_ptr<TMainWindow> StartOnDefaultSet() const {
        WriteDefaultSet("Serpentia.INI");
        return Start();
    }
    // Started on the built-in set, with Boas listed beside it.
    std::unique_ptr<TMainWindow> StartBesideBoas() const {
        WriteSerpentiaFolder();
        Folder.Write("Boas.INI", BoasSet);
        return Start();
    }
    // The next file dialog answers with this file of the folder.
    void AnswerFile(const std::string& fileName) {
        FileAnswers << QString::fromStdString(Folder.File(fileName));
    }
};

// Runs `drive` on the next modal dialog of type T as soon as it is shown, so that a test can fill it in
// and close it while the code under test waits in the dialog's exec().
template <typename T> void WhenDialogShows(std::function<void(T&)> drive) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    auto attempts = std::make_shared<int>(0);
    ++DialogsAwaited();
    QObject::connect(timer, &QTimer::timeout, [timer, drive, attempts] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (dialog == nullptr && ++*attempts < 500)
            return;
        --DialogsAwaited();
        timer->stop();
        timer->deleteLater();
        if (dialog != nullptr)
            drive(*dialog);
    });
    timer->start();
}

// Waits until the calculation running beside the window has shown its result; false when it never does.
inline bool WaitForResult(const QObject& window) {
    const auto* tab = window.findChild<TCalculationTab*>();
    return QTest::qWaitFor([tab] { return !tab->Calculating(); }, 120000);
}

// The locus selectors of one parent, in locus order.
inline QList<QComboBox*> Selectors(const QObject& window, const char* parent) {
    return window.findChild<QScrollArea*>(parent)->widget()->findChildren<QComboBox*>();
}

// A control of the window, by its object name.
template <typename T> T* Find(const QObject& window, const char* name) {
    return window.findChild<T*>(name);
}

// Picks an entry of a drop-down list as the user does.
inline void PickEntry(QComboBox* list, int index) {
    list->setCurrentIndex(index);
    emit list->activated(index);
}

// Picks a listed gene set in the selector.
inline void PickGeneSet(TMainWindow& window, const QString& name) {
    PickEntry(Find<QComboBox>(window, "GeneSetSelector"),
              Find<QComboBox>(window, "GeneSetSelector")->findText(name));
}

// Makes `row` the only selected row of a list view.
inline void Select(QTreeWidget* list, int row) {
    list->clearSelection();
    list->topLevelItem(row)->setSelected(true);
}

// The rows of a list view; in a list of two columns, both texts of a row.
inline QStringList Rows(const QTreeWidget* list) {
    QStringList rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = list->topLevelItem(i);
        rows << (list->columnCount() > 1 ? item->text(0) + " " + item->text(1) : item->text(0));
    }
    return rows;
}

inline QString SelectedRow(const QTreeWidget* list) {
    const auto selected = list->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text(0);
}

// The parents as typed into the Male and Female fields.
inline QString Pairing(const TMainWindow& window) {
    return Find<QLineEdit>(window, "MaleCodesEdit")->text() + " x " +
           Find<QLineEdit>(window, "FemaleCodesEdit")->text();
}

// The Images tab from top to bottom: each frame's name and the name it shows.
inline QStringList ImagesTab(const TMainWindow& window) {
    QStringList frames;
    QLayout* rows = Find<QScrollArea>(window, "PicturesBox")->widget()->layout();
    for (int i = 0; i < rows->count(); ++i)
        if (auto* frame = qobject_cast<TPictureFrame*>(rows->itemAt(i)->widget()))
            frames << frame->objectName() + " " + frame->NameLabel->text();
    return frames;
}

// The picture strip from left to right: each frame's name, left edge and the name it shows.
inline QStringList Strip(const TMainWindow& window) {
    QList<TPictureFrame*> frames =
        Find<QScrollArea>(window, "PictureStrip")->widget()->findChildren<TPictureFrame*>();
    std::sort(frames.begin(), frames.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
    QStringList strip;
    for (const TPictureFrame* frame : frames)
        strip << frame->objectName() + "@" + QString::number(frame->x()) + " " + frame->NameLabel->text();
    return strip;
}
