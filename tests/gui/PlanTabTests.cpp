#include "calc/PairingPlan.h"
#include "ui/plan/PlanTab.h"

#include "WindowFixture.h"

#include <QClipboard>
#include <QSpinBox>
#include <QTableView>

namespace {

// Both parents het. Amel, two of their young, a visual mate: the Plan tab's small family.
const TAnimalList Family = {
    {"Bella", TSex::Female, "Amelanistic", "", "", "", ""},
    {"Dot", TSex::Female, "het Amel", "", "", "", ""},
    {"Rex", TSex::Male, "het Amel", "", "", "", ""},
    {"Pip", TSex::Male, "", "Rex", "Dot", "", ""},
    {"Ivy", TSex::Female, "Amelanistic", "Rex", "Dot", "", ""},
};

QStringList Column(const QTableView* view, int column, int role = Qt::DisplayRole) {
    QStringList cells;
    for (int row = 0; row < view->model()->rowCount(); ++row)
        cells << view->model()->index(row, column).data(role).toString();
    return cells;
}

void SetGoal(const TMainWindow& window, const QString& goal) {
    auto* edit = Find<QLineEdit>(window, "PlanGoalEdit");
    edit->setText(goal);
    edit->setModified(true);
    emit edit->editingFinished();
}

} // namespace

class TPlanTabTests : public QObject {
    Q_OBJECT
private slots:
    // The ranking is the planner's, pairing by pairing; it follows the goal, the clutch and the animals,
    // says why there is none, copies as text and hands a pairing to the Calculation tab.
    void RanksTheSetsPairingsAsThePlannerDoes() {
        TWindowFixture fixture;
        auto window = fixture.StartOnDefaultSet();
        TAnimalKeeper& animals = window->AnimalKeeper();
        std::string message;
        const std::string set = animals.GeneSetInMemory();
        QVERIFY2(animals.ImportAnimals(set, {Family[0], Family[1]}, message), message.c_str());
        const auto* view = Find<QTableView>(*window, "PlanView");
        const auto* note = Find<QLabel>(*window, "PlanNoteLabel");
        const auto* problem = Find<QLabel>(*window, "PlanProblemLabel");

        SetGoal(*window, "Amelanistik");
        TPlanGoal goal;
        QVERIFY(!ReadPlanGoal("Amelanistik", window->LocusList(), window->CombiList(), goal, message));
        QCOMPARE(problem->text(), QString::fromStdString(message));
        QVERIFY(!problem->isHidden());

        SetGoal(*window, "Amelanistic");
        QVERIFY(problem->isHidden());
        QCOMPARE(view->model()->rowCount(), 0);
        QCOMPARE(note->text(), "The animals of this gene set include no male: there is no pairing to plan.");

        QVERIFY2(animals.ImportAnimals(set, {Family.begin() + 2, Family.end()}, message), message.c_str());
        QVERIFY(note->isHidden());
        QVERIFY(ReadPlanGoal("Amelanistic", window->LocusList(), window->CombiList(), goal, message));
        const TAnimalList& kept = animals.AnimalsInMemory();
        const std::vector<TPlannedPairing> plan =
            PlanPairings(kept, animals.ChancesInMemory().Animals, goal, 12, window->LocusList());
        QStringList pairings;
        QStringList shares;
        for (const TPlannedPairing& pairing : plan) {
            pairings << QString::fromStdString(kept[pairing.Male].Name + " x " + kept[pairing.Female].Name);
            shares << QString::fromStdString(pairing.Share.get_str()) + " of the eggs";
        }
        const auto shown = [view] {
            QStringList rows;
            const QStringList males = Column(view, 0);
            const QStringList females = Column(view, 1);
            for (int row = 0; row < males.size(); ++row)
                rows << males[row] + " x " + females[row];
            return rows;
        };
        QCOMPARE(shown(), pairings);
        QCOMPARE(Column(view, 2, Qt::ToolTipRole), shares);
        // Pip is het with two chances in three; Ivy his full sister.
        QCOMPARE(shares[2], "1/3 of the eggs");
        QCOMPARE(Column(view, 5)[3], "full siblings");

        auto* clutch = Find<QSpinBox>(*window, "PlanClutchSpinBox");
        clutch->setValue(6);
        QCOMPARE(Column(view, 3)[0], "3.0");
        QCOMPARE(Column(view, 4)[0], "98.4%");
        // Ctrl+C is the tab's, whatever cell has the focus.
        window->show();
        Find<QTabWidget>(*window, "MainTabs")->setCurrentWidget(Find<QWidget>(*window, "PlanTab"));
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        Find<QTableView>(*window, "PlanView")->setCurrentIndex(view->model()->index(2, 1));
        QTest::keyClick(Find<QWidget>(*window, "PlanView"), Qt::Key_C, Qt::ControlModifier);
        const QStringList copied = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(copied.size(), 7);
        QCOMPARE(copied[1], "Rex\tBella\t50.0%\t3.0\t98.4%\t");

        // A new animal is planned with the others: two visuals give nothing but visuals.
        QVERIFY(animals.AddAnimal(set, {"Max", TSex::Male, "Amelanistic", "", "", "", ""}, message));
        QCOMPARE(view->model()->rowCount(), 9);
        QCOMPARE(shown()[0], "Max x Bella");
        QCOMPARE(Column(view, 2)[0], "100%");

        // Pip with Ivy: a possible het and a visual go to the Calculation tab.
        const int row = static_cast<int>(shown().indexOf("Pip x Ivy"));
        Find<QTableView>(*window, "PlanView")->selectRow(row);
        Find<QPushButton>(*window, "UsePairingButton")->click();
        QVERIFY(WaitForResult(*window));
        QCOMPARE(Pairing(*window), "+a x aa");
        QCOMPARE(Find<QTabWidget>(*window, "MainTabs")->currentWidget()->objectName(), "CalculationTab");
    }
};

QTEST_MAIN(TPlanTabTests)
#include "PlanTabTests.moc"
