#include "platform/qt/qt_program_rules_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "platform/portable/program_rules_dialog_model.h"

namespace vx::platform {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

class RulesDialog : public QDialog {
public:
    RulesDialog(const ProgramRules& rules, const ProgramRulesTexts& texts,
                const std::vector<ForegroundProgram>& running)
        : rules_(rules), texts_(texts), running_(running) {
        setWindowTitle(Q(texts.title));
        auto* layout = new QVBoxLayout(this);
        enable_ = new QCheckBox(Q(texts.enable));
        enable_->setChecked(rules.enabled);
        layout->addWidget(enable_);

        auto* middle = new QHBoxLayout;
        list_ = new QTreeWidget;
        list_->setRootIsDecorated(false);
        list_->setColumnCount(2);
        list_->setHeaderLabels({Q(texts.listHeading), Q(texts.profileColumn)});
        list_->header()->setStretchLastSection(false);
        list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
        middle->addWidget(list_, 1);
        auto* buttons = new QVBoxLayout;
        addProgram_ = Button(buttons, texts.addProgram, [this] { AddProgram(); });
        Button(buttons, texts.addFolder, [this] { AddFolder(); });
        remove_ = Button(buttons, texts.remove, [this] { Select(RemoveRule(rules_, Row())); });
        up_ = Button(buttons, texts.moveUp, [this] { Select(MoveRuleUp(rules_, Row())); });
        down_ = Button(buttons, texts.moveDown, [this] { Select(MoveRuleDown(rules_, Row())); });
        buttons->addStretch();
        middle->addLayout(buttons);
        layout->addLayout(middle);

        auto* pick = new QHBoxLayout;
        runningBox_ = new QComboBox;
        for (const ForegroundProgram& program : running) runningBox_->addItem(Q(RunningProgramText(program)));
        pick->addWidget(runningBox_, 1);
        QPushButton* addRunning = new QPushButton(Q(texts.addRunning));
        addRunning->setEnabled(!running.empty());
        connect(addRunning, &QPushButton::clicked, this, [this] {
            const int index = runningBox_->currentIndex();
            if (index >= 0 && static_cast<std::size_t>(index) < running_.size()) {
                Add(RuleForRunningProgram(running_[static_cast<std::size_t>(index)], 1));
            }
        });
        pick->addWidget(addRunning);
        layout->addLayout(pick);

        auto* grid = new QGridLayout;
        profile_ = new QComboBox;
        fallback_ = new QComboBox;
        fallback_->addItem(Q(texts.fallbackPrevious));
        for (std::int32_t number = 1; number <= 5; ++number) {
            profile_->addItem(Q(ProfileText(texts, number)));
            fallback_->addItem(Q(ProfileText(texts, number)));
        }
        fallback_->setCurrentIndex(rules.fallback);
        grid->addWidget(new QLabel(Q(texts.ruleProfile)), 0, 0);
        grid->addWidget(profile_, 0, 1);
        grid->addWidget(new QLabel(Q(texts.fallbackLabel)), 1, 0);
        grid->addWidget(fallback_, 1, 1);
        grid->setColumnStretch(1, 1);
        layout->addLayout(grid);
        auto* reach = new QLabel(Q(texts.reach));
        reach->setWordWrap(true);
        layout->addWidget(reach);

        auto* box = new QDialogButtonBox;
        QPushButton* ok = box->addButton(Q(texts.ok), QDialogButtonBox::AcceptRole);
        box->addButton(Q(texts.cancel), QDialogButtonBox::RejectRole);
        ok->setDefault(true);
        connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
        layout->addWidget(box);

        connect(list_, &QTreeWidget::currentItemChanged, this, [this] { UpdateControls(); });
        connect(profile_, &QComboBox::activated, this, [this](int index) {
            const std::size_t row = Row();
            if (row >= rules_.rules.size()) return;
            rules_.rules[row].config = index + 1;
            list_->topLevelItem(static_cast<int>(row))->setText(1, Q(ProfileText(texts_, index + 1)));
        });
        Fill(rules_.rules.empty() ? rules_.rules.size() : 0);
        resize(640, 420);
    }

    ProgramRules Result() {
        rules_.enabled = enable_->isChecked();
        rules_.fallback = fallback_->currentIndex() > 0 ? fallback_->currentIndex() : kFallbackToPrevious;
        return rules_;
    }

private:
    template <typename Action>
    QPushButton* Button(QVBoxLayout* column, const std::string& text, Action action) {
        auto* button = new QPushButton(Q(text));
        connect(button, &QPushButton::clicked, this, action);
        column->addWidget(button);
        return button;
    }

    std::size_t Row() const {
        const int row = list_->currentItem() != nullptr ? list_->indexOfTopLevelItem(list_->currentItem()) : -1;
        return row < 0 ? rules_.rules.size() : static_cast<std::size_t>(row);
    }

    void Fill(std::size_t selected) {
        list_->clear();
        for (const ProgramRule& rule : rules_.rules) {
            list_->addTopLevelItem(new QTreeWidgetItem(
                {Q(RuleKindText(texts_, rule.match) + ": " + rule.pattern), Q(ProfileText(texts_, rule.config))}));
        }
        if (selected < rules_.rules.size()) list_->setCurrentItem(list_->topLevelItem(static_cast<int>(selected)));
        UpdateControls();
    }
    void Select(std::size_t row) { Fill(row); }

    void UpdateControls() {
        const std::size_t row = Row();
        const bool selected = row < rules_.rules.size();
        remove_->setEnabled(selected);
        up_->setEnabled(selected && row > 0);
        down_->setEnabled(selected && row + 1 < rules_.rules.size());
        if (selected) profile_->setCurrentIndex(rules_.rules[row].config - 1);
    }

    void Add(ProgramRule rule) {
        rule.config = profile_->currentIndex() + 1;
        rules_.rules.push_back(std::move(rule));
        Fill(rules_.rules.size() - 1);
    }

    void AddProgram() {
        QFileDialog dialog(this);
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setWindowTitle(QStringLiteral("Open"));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
        Add({RuleMatch::ProgramFile, QFileInfo(dialog.selectedFiles().first()).fileName().toStdString(), 1});
    }

    void AddFolder() {
        const QString folder = QFileDialog::getExistingDirectory(
            this, QString(), QString(), QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
        if (!folder.isEmpty()) Add({RuleMatch::Folder, folder.toStdString(), 1});
    }

    ProgramRules rules_;
    const ProgramRulesTexts& texts_;
    const std::vector<ForegroundProgram>& running_;
    QCheckBox* enable_ = nullptr;
    QTreeWidget* list_ = nullptr;
    QPushButton* addProgram_ = nullptr;
    QPushButton* remove_ = nullptr;
    QPushButton* up_ = nullptr;
    QPushButton* down_ = nullptr;
    QComboBox* runningBox_ = nullptr;
    QComboBox* profile_ = nullptr;
    QComboBox* fallback_ = nullptr;
};

}  // namespace

std::optional<ProgramRules> QtProgramRulesDialog::Edit(const ProgramRules& rules, const ProgramRulesTexts& texts,
                                                       const std::vector<ForegroundProgram>& running) {
    RulesDialog dialog(rules, texts, running);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Result();
}

}  // namespace vx::platform
