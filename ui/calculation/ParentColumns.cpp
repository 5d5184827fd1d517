#include "ui/calculation/ParentColumns.h"

#include "calc/AlleleQuestions.h"
#include "model/Text.h"
#include "ui/kit/CoreText.h"
#include "ui/kit/ToolPictures.h"
#include "ui/kit/WidgetKit.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString NormalSelection = "++ Normal";

// A selector entry of a possible het holds its chance beside its gene code; other entries hold none.
constexpr int ChanceRole = Qt::UserRole + 1;
// The chances breeders commonly give: from two hets, and from a het and a normal.
constexpr int CommonChances[] = {66, 50};

// The widest a locus selector grows, so that the locus name keeps room beside it.
constexpr int MaxSelectorWidth = 180;
// A row of a selector and its locus name side by side, and of the name above the selector.
constexpr int RowHeight = 20;
constexpr int StackedRowHeight = 38;
constexpr int RowSpacing = 6;

// A selector shows its entry from the start, where the gene code stands, also when it is cut short.
void ShowSelectorText(QComboBox* selector, const QString& text) {
    selector->setEditText(text);
    selector->lineEdit()->setCursorPosition(0);
}

int ChanceOf(const std::vector<TPossibleHet>& hets, const std::string& code) {
    for (const TPossibleHet& het : hets)
        if (het.Code == code)
            return het.Percent;
    return 0;
}

// After the genes of a locus, each heterozygous gene whose allele hides behind the wild type once more for
// every chance a breeder may give it: the common ones, and the parent's own when it is another.
void AddPossibleHetEntries(QComboBox* selector, const TLocus& locus, const TLocusList& loci,
                           const std::vector<TPossibleHet>& possible, TAlleleQuestions& questions) {
    for (int j = 0; j < locus.Genes().Count(); ++j) {
        const std::string code = locus.Genes()[j]->Code();
        if (code[0] != '+' || code[1] == '+' || !questions.WouldBeDominant('+', code[1]))
            continue;
        std::vector<int> chances(std::begin(CommonChances), std::end(CommonChances));
        if (const int own = ChanceOf(possible, code);
            own > 0 && std::ranges::find(chances, own) == chances.end())
            chances.push_back(own);
        const std::string homozygous = loci.FindGeneName(std::string(2, code[1]));
        for (const int chance : chances) {
            selector->addItem(FromCore(code + " " + std::to_string(chance) + "% poss. het. " + homozygous),
                              QByteArray::fromStdString(code));
            selector->setItemData(selector->count() - 1, chance, ChanceRole);
        }
    }
}

// The first entry of the gene, the one of its chance when the gene is a possible het; -1 for none.
int EntryOf(const QComboBox* selector, const std::string& code, int chance) {
    int found = -1;
    for (int entry = 0; entry < selector->count(); ++entry) {
        if (!SameTextIgnoringCase(EntryBytes(selector, entry), code))
            continue;
        if (selector->itemData(entry, ChanceRole).toInt() == chance)
            return entry;
        if (found < 0)
            found = entry;
    }
    return found;
}

// The entry typing in a selector names: the entry shown, else the first whose code and name, or name
// alone, begin with the typed text in any letter case; else the entry last picked. Typing never makes a
// gene of its own.
int ChosenEntry(const QComboBox* selector) {
    if (const int shown = ShownEntry(selector); shown >= 0)
        return shown;
    const QString typed = selector->currentText().trimmed();
    for (int entry = 0; !typed.isEmpty() && entry < selector->count(); ++entry) {
        const QString text = selector->itemText(entry);
        if (text.startsWith(typed, Qt::CaseInsensitive) ||
            text.section(' ', 1).startsWith(typed, Qt::CaseInsensitive))
            return entry;
    }
    return selector->currentIndex();
}

// -1 shows normal where the locus lists no normal gene.
void ShowEntry(QComboBox* selector, int entry) {
    const QSignalBlocker blocker(selector);
    selector->setCurrentIndex(entry);
    ShowSelectorText(selector, entry >= 0 ? selector->itemText(entry) : NormalSelection);
}

void ShowNormal(QComboBox* selector) {
    ShowEntry(selector, selector->findData(QByteArray("++")));
}

// The possible hets the selectors show, in locus order.
std::vector<TPossibleHet> PossibleHetsShown(const std::vector<QComboBox*>& selectors) {
    std::vector<TPossibleHet> hets;
    for (const QComboBox* selector : selectors) {
        const int entry = ChosenEntry(selector);
        if (const int chance = entry >= 0 ? selector->itemData(entry, ChanceRole).toInt() : 0; chance > 0)
            hets.push_back({EntryBytes(selector, entry), chance});
    }
    return hets;
}

} // namespace

TParentColumns::TParentColumns(QWidget* parent) : QTabWidget(parent) {
    setObjectName("ParentTabs");
    // As wide as the rows need with the names beside the selectors, never wider; where the window has no
    // room for that, the names go above the selectors, so that no name is ever cut.
    setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    BuildPage("Male", TParent::Male, "Clear Male genes only");
    BuildPage("Female", TParent::Female, "Clear Female genes only");
}

void TParentColumns::BuildPage(const QString& side, TParent parent, const QString& hint) {
    TColumn& column = Column(parent);
    auto* page = new QWidget(this);
    page->setObjectName(side + "Page");
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    column.Box = MakeRowBox(page, side + "Selectors");
    column.Rows = RowsOf(column.Box);
    layout->addWidget(column.Box, 1);
    auto* bottom = new QWidget(page);
    bottom->setObjectName(side + "BottomBar");
    auto* bottomLayout = new QHBoxLayout(bottom);
    bottomLayout->setContentsMargins(2, 2, 2, 2);
    QToolButton* clearButton = MakeToolButton(bottom, "Clear" + side + "Button", hint, TToolPicture::Clear);
    bottomLayout->addWidget(clearButton);
    bottomLayout->addStretch();
    layout->addWidget(bottom);
    addTab(page, side);
    connect(clearButton, &QToolButton::clicked, this, [this, parent] { Clear(parent); });
}

void TParentColumns::Build(TLocusList& loci, const std::string& male, const std::string& female) {
    BuildColumn(FMale, loci);
    BuildColumn(FFemale, loci);
    MeasureRows();
    // The selectors show the pairing of the two fields, the one the report was calculated from, so that
    // the next pick keeps the rest of it.
    ShowSelections(male, female);
}

void TParentColumns::BuildColumn(TColumn& column, TLocusList& loci) {
    TAlleleQuestions questions(loci);
    QWidget* rows = column.Box->widget();
    for (QComboBox* selector : column.Selectors)
        delete selector->parentWidget();
    column.Selectors.clear();
    for (int i = 0; i < loci.Count(); ++i) {
        const TLocus& locus = *loci[i];
        auto* panel = new QWidget(rows);
        panel->setObjectName(column.Box->objectName() + "Locus" + QString::number(i));
        panel->setFixedHeight(RowHeight);
        auto* layout = new QHBoxLayout(panel);
        layout->setContentsMargins(0, 1, 4, 1);
        layout->setSpacing(RowSpacing);
        QComboBox* selector = MakeByteSelector(panel);
        // As wide as the longest entry of its locus, so that a picked gene shows its code and its name.
        selector->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        selector->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        selector->setFixedHeight(18);
        selector->setMinimumWidth(100);
        selector->setMaximumWidth(MaxSelectorWidth);
        for (int j = 0; j < locus.Genes().Count(); ++j) {
            const TGene& gene = *locus.Genes()[j];
            selector->addItem(FromCore(gene.Code() + " " + gene.Name),
                              QByteArray::fromStdString(gene.Code()));
        }
        AddPossibleHetEntries(selector, locus, loci, column.Possible, questions);
        ShowNormal(selector);
        auto* caption = new QLabel(FromCore(locus.Name), panel);
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        layout->addWidget(selector);
        layout->addWidget(caption, 1);
        column.Rows->insertWidget(column.Rows->count() - 1, panel);
        column.Selectors.push_back(selector);
        connect(selector, &QComboBox::activated, this, [this, selector] {
            selector->lineEdit()->setCursorPosition(0);
            emit SelectionChanged();
        });
        connect(selector->lineEdit(), &QLineEdit::textEdited, this, &TParentColumns::SelectionChanged);
        // Leaving the selector shows the entry its text named.
        connect(selector->lineEdit(), &QLineEdit::editingFinished, this, [selector] {
            if (ShownEntry(selector) < 0)
                ShowEntry(selector, ChosenEntry(selector));
        });
    }
}

void TParentColumns::MeasureRows() {
    int sideBySide = 0;
    int stacked = 0;
    for (const QComboBox* selector : FMale.Selectors) {
        const auto* caption = selector->parentWidget()->findChild<QLabel*>();
        const int selectorWidth = std::min(selector->sizeHint().width(), MaxSelectorWidth);
        const int captionWidth = caption->sizeHint().width();
        sideBySide = std::max(sideBySide, selectorWidth + RowSpacing + captionWidth);
        stacked = std::max(stacked, std::max(selectorWidth, captionWidth));
    }
    // The row's margins, the rows' scroll bar, and the frames of the box and the page around them.
    const int around = 4 + style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 16;
    FSideBySideWidth = std::max(sideBySide, MaxSelectorWidth) + around;
    setMinimumWidth(std::max(stacked, MaxSelectorWidth) + around);
    updateGeometry();
    ArrangeRows();
}

QSize TParentColumns::sizeHint() const {
    return {FSideBySideWidth, QTabWidget::sizeHint().height()};
}

void TParentColumns::resizeEvent(QResizeEvent* event) {
    QTabWidget::resizeEvent(event);
    ArrangeRows();
}

void TParentColumns::ArrangeRows() {
    const bool stacked = width() < FSideBySideWidth;
    for (const TColumn* column : {&FMale, &FFemale})
        for (const QComboBox* selector : column->Selectors) {
            QWidget* row = selector->parentWidget();
            // The name above its selector: the row's second widget laid out first.
            static_cast<QBoxLayout*>(row->layout())
                ->setDirection(stacked ? QBoxLayout::BottomToTop : QBoxLayout::LeftToRight);
            row->setFixedHeight(stacked ? StackedRowHeight : RowHeight);
            row->findChild<QLabel*>()->setAlignment((stacked ? Qt::AlignLeft : Qt::AlignRight) |
                                                    Qt::AlignVCenter);
        }
}

std::string TParentColumns::Selection(TParent parent) const {
    const TColumn& column = Column(parent);
    std::string selection;
    for (const QComboBox* selector : column.Selectors) {
        const int entry = ChosenEntry(selector);
        selection += entry >= 0 ? EntryBytes(selector, entry) : "++";
    }
    return selection;
}

void TParentColumns::TakeShownPossibleHets() {
    FMale.Possible = PossibleHetsShown(FMale.Selectors);
    FFemale.Possible = PossibleHetsShown(FFemale.Selectors);
}

void TParentColumns::Clear(TParent parent) {
    for (QComboBox* selector : Column(parent).Selectors)
        ShowNormal(selector);
    emit SelectionChanged();
}

void TParentColumns::ShowSelections(const std::string& male, const std::string& female) {
    SelectGenes(FMale, male);
    SelectGenes(FFemale, female);
}

void TParentColumns::SelectGenes(TColumn& column, const std::string& selection) {
    for (QComboBox* selector : column.Selectors)
        ShowNormal(selector);
    for (size_t k = 0; k + 1 < selection.size(); k += 2) {
        const std::string group = selection.substr(k, 2);
        if (group == "++")
            continue;
        const int chance = ChanceOf(column.Possible, group);
        for (QComboBox* selector : column.Selectors) {
            if (const int entry = EntryOf(selector, group, chance); entry >= 0)
                ShowEntry(selector, entry);
        }
    }
}
