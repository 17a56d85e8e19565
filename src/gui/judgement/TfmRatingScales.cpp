#include "gui/judgement/TfmRatingScales.h"

#include "core/document/CProjectDocument.h"
#include "core/document/ScaleRelisting.h"
#include "core/document/StepNames.h"
#include "core/results/ConsistencyGuidance.h"
#include "core/results/NumberFormat.h"
#include "gui/judgement/TfmExpertForm.h"
#include "gui/widgets/CUserDialogs.h"
#include "gui/widgets/WidgetStyle.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>
#include <vector>

namespace {
constexpr int FigureDecimals = 4;
// Intensities typed on one line are parted by this character.
constexpr char16_t IntensitySeparator = u';';

QString Text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

QString Figure(double value)
{
    return Text(FormatTruncated(value, FigureDecimals, DecimalSeparator()));
}

bool HasPriorities(const CNodeResult& result)
{
    return result.Basis != EPrioritiesBasis::NotConnected && result.Basis != EPrioritiesBasis::BadValue;
}

QString JoinedIntensities(const std::vector<std::string>& intensities)
{
    QStringList names;
    for (const std::string& name : intensities) {
        names << Text(name);
    }
    return names.join(QStringLiteral("%1 ").arg(QChar(IntensitySeparator)));
}

std::vector<std::string> SplitIntensities(const QString& line)
{
    std::vector<std::string> names;
    for (const QString& part : line.split(QChar(IntensitySeparator))) {
        if (!part.trimmed().isEmpty()) {
            names.push_back(part.trimmed().toStdString());
        }
    }
    return names;
}
} // namespace

TfmRatingScales::TfmRatingScales(CProjectDocument& document,
    std::function<bool(const std::string& refusal, const std::string& stepName)> finishStep,
    CSharedWindow<TfmExpertForm> expertForm, QWidget* parent)
    : QDialog(parent)
    , Document(document)
    , FinishStep(std::move(finishStep))
    , ExpertForm(std::move(expertForm))
{
    setObjectName(QStringLiteral("fmRatingScales"));
    setWindowTitle(tr("Шкалы оценок"));
    CreateControls();
    ShowScales();
}

void TfmRatingScales::CreateControls()
{
    lvScales = new QTreeWidget(this);
    lvScales->setObjectName(QStringLiteral("lvScales"));
    lvScales->setAccessibleName(tr("Шкалы"));
    lvScales->setRootIsDecorated(false);
    lvScales->setColumnCount(3);
    lvScales->setHeaderLabels({tr("Шкала"), tr("Интенсивностей"), tr("ОС")});
    lvScales->header()->setStretchLastSection(false);
    lvScales->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    lvScales->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    lvScales->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    connect(lvScales, &QTreeWidget::currentItemChanged, this, [this] { ShowCurrentScale(); });
    // Enter on a scale judges it, as Enter on a criterion does.
    connect(lvScales, &QTreeWidget::itemActivated, this, [this] { btCompareScaleClick(); });

    lvIntensities = new QTreeWidget(this);
    lvIntensities->setObjectName(QStringLiteral("lvIntensities"));
    lvIntensities->setAccessibleName(tr("Интенсивности шкалы"));
    lvIntensities->setRootIsDecorated(false);
    lvIntensities->setColumnCount(3);
    lvIntensities->setHeaderLabels({tr("Интенсивность"), tr("Приоритет"), tr("Идеальное значение")});
    lvIntensities->header()->setStretchLastSection(false);
    lvIntensities->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    lvIntensities->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    lvIntensities->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);

    lbConsistency = new QLabel(this);
    lbConsistency->setObjectName(QStringLiteral("lbConsistency"));
    lbOutOfOrder = new QLabel(this);
    lbOutOfOrder->setObjectName(QStringLiteral("lbOutOfOrder"));
    lbOutOfOrder->setWordWrap(true);

    auto button = [this](const char* name, const QString& caption, const QKeySequence& key, auto handler) {
        auto* item = new QPushButton(caption, this);
        item->setObjectName(QString::fromLatin1(name));
        item->setAutoDefault(false);
        connect(item, &QPushButton::clicked, this, handler);
        if (!key.isEmpty()) {
            auto* shortcut = new QAction(this);
            shortcut->setObjectName(QStringLiteral("ac%1").arg(QString::fromLatin1(name).mid(2)));
            shortcut->setShortcut(key);
            addAction(shortcut);
            connect(shortcut, &QAction::triggered, item, &QPushButton::click);
            item->setToolTip(tr("Клавиша: %1").arg(key.toString(QKeySequence::NativeText)));
        }
        return item;
    };
    btAddScale = button("btAddScale", tr("&Добавить..."), QKeySequence(Qt::Key_Insert), [this] { btAddScaleClick(); });
    btRenameScale
        = button("btRenameScale", tr("&Переименовать..."), QKeySequence(Qt::Key_F2), [this] { btRenameScaleClick(); });
    btEditIntensities = button("btEditIntensities", tr("&Интенсивности..."), QKeySequence(Qt::SHIFT | Qt::Key_F2),
        [this] { btEditIntensitiesClick(); });
    btRemoveScale
        = button("btRemoveScale", tr("&Удалить"), QKeySequence(Qt::Key_Delete), [this] { btRemoveScaleClick(); });
    btCompareScale = button("btCompareScale", tr("&Сравнить..."), QKeySequence(), [this] { btCompareScaleClick(); });
    btClose = button("btClose", tr("&Закрыть"), QKeySequence(), [this] { accept(); });

    auto* buttons = new QVBoxLayout;
    for (QPushButton* item : {btAddScale, btRenameScale, btEditIntensities, btRemoveScale, btCompareScale}) {
        buttons->addWidget(item);
    }
    buttons->addStretch(1);
    buttons->addWidget(btClose);
    auto* lists = new QVBoxLayout;
    lists->addWidget(lvScales, 2);
    lists->addWidget(lvIntensities, 3);
    lists->addWidget(lbConsistency);
    lists->addWidget(lbOutOfOrder);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addLayout(buttons);
    resize(640, 480);
}

std::uint32_t TfmRatingScales::CurrentScale() const
{
    const int row = lvScales->currentIndex().row();
    return row < 0 ? 0U : static_cast<std::uint32_t>(row);
}

void TfmRatingScales::ShowScales(std::uint32_t scale)
{
    lvScales->clear();
    if (!Document.IsTree()) {
        return;
    }
    const std::vector<CRatingScale>& scales = Document.Tree().Scales();
    const std::vector<CScaleResult>& results = Document.RatingResults().Scales();
    for (std::size_t k = 0; k < scales.size(); ++k) {
        auto* item = new QTreeWidgetItem(lvScales);
        item->setText(0, Text(scales[k].Name));
        item->setToolTip(0, item->text(0));
        item->setText(1, QString::number(scales[k].Intensities.size()));
        const CNodeResult& priorities = results[k].Priorities;
        item->setText(2, HasPriorities(priorities) ? Figure(priorities.Measures.CR) : QStringLiteral("—"));
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    }
    if (!scales.empty()) {
        const auto row = std::min<std::size_t>(scale, scales.size() - 1);
        lvScales->setCurrentItem(lvScales->topLevelItem(static_cast<int>(row)));
    }
    ShowCurrentScale();
}

void TfmRatingScales::ShowCurrentScale()
{
    lvIntensities->clear();
    lbConsistency->clear();
    lbOutOfOrder->clear();
    lbOutOfOrder->setVisible(false);
    const std::vector<CRatingScale>& scales = Document.Tree().Scales();
    const std::uint32_t index = CurrentScale();
    const bool any = index < scales.size();
    for (QPushButton* item : {btRenameScale, btEditIntensities, btRemoveScale, btCompareScale}) {
        item->setEnabled(any);
    }
    if (!any) {
        return;
    }
    const CRatingScale& scale = scales[index];
    const CScaleResult& result = Document.RatingResults().Scales()[index];
    const bool figures = HasPriorities(result.Priorities);
    for (std::size_t k = 0; k < scale.Intensities.size(); ++k) {
        auto* item = new QTreeWidgetItem(lvIntensities);
        item->setText(0, Text(scale.Intensities[k]));
        item->setToolTip(0, item->text(0));
        const bool shown = figures && k < result.Priorities.Local.size() && k < result.Ideal.size();
        item->setText(1, shown ? Figure(result.Priorities.Local[k]) : QStringLiteral("—"));
        item->setText(2, shown ? Figure(result.Ideal[k]) : QStringLiteral("—"));
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    }
    const auto n = static_cast<std::uint32_t>(scale.Intensities.size());
    lbConsistency->setText(figures ? tr("Отношение согласованности %1 (допустимо до %2).")
                                         .arg(Figure(result.Priorities.Measures.CR), Figure(ConsistencyRatioLimit(n)))
                                   : tr("Сравнения шкалы не связывают все её интенсивности."));
    if (figures && result.OutOfOrder) {
        lbOutOfOrder->setText(tr("Интенсивность «%1» получила больший вес, чем «%2».")
                                  .arg(Text(scale.Intensities[result.OutOfOrder->second]),
                                      Text(scale.Intensities[result.OutOfOrder->first])));
        lbOutOfOrder->setVisible(true);
    }
}

void TfmRatingScales::Step(const std::function<std::string()>& edit, const std::string& stepName, std::uint32_t scale)
{
    Document.BeginStep();
    const std::string refusal = edit();
    FinishStep(refusal, stepName);
    ShowScales(scale);
}

void TfmRatingScales::btAddScaleClick()
{
    const std::vector<CRatingScale> ready = ReadyRatingScales();
    QStringList choices;
    for (const CRatingScale& scale : ready) {
        choices << Text(scale.Name);
    }
    choices << tr("Новая шкала");
    const int choice = UserDialogs().AskChoice(this, tr("Какую шкалу добавить?"), tr("Добавить шкалу"), choices, 0);
    if (choice < 0 || choice >= choices.size()) {
        return;
    }
    const std::vector<CRatingScale>& scales = Document.Tree().Scales();
    CRatingScale added;
    if (static_cast<std::size_t>(choice) < ready.size()) {
        added = ready[static_cast<std::size_t>(choice)];
    } else {
        const QString name = UserDialogs().AskText(this, tr("Название новой шкалы:"), tr("Добавить шкалу"), QString());
        if (name.isEmpty()) {
            return;
        }
        const QString line = UserDialogs().AskText(this,
            tr("Интенсивности шкалы «%1», лучшая первой, через «%2»:").arg(name, QChar(IntensitySeparator)),
            tr("Добавить шкалу"), QString());
        if (line.isEmpty()) {
            return;
        }
        // Every pair judged equal until the user compares them.
        added = MakeRatingScale({}, name.toStdString(), SplitIntensities(line), {});
    }
    added.Id = FreeScaleId(scales);
    const auto index = static_cast<std::uint32_t>(scales.size());
    Step([this, &added] { return Document.AddScale(added); }, AddScaleStepName(added.Name), index);
}

void TfmRatingScales::btRenameScaleClick()
{
    const std::uint32_t index = CurrentScale();
    if (index >= Document.Tree().Scales().size()) {
        return;
    }
    CRatingScale scale = Document.Tree().Scales()[index];
    const std::string before = scale.Name;
    const QString name = UserDialogs().AskText(this, tr("Название шкалы:"), tr("Переименовать шкалу"), Text(before));
    if (name.isEmpty() || name.toStdString() == before) {
        return;
    }
    scale.Name = name.toStdString();
    Step([this, index, &scale] { return Document.SetScale(index, scale); }, EditScaleStepName(before), index);
}

void TfmRatingScales::btEditIntensitiesClick()
{
    const std::uint32_t index = CurrentScale();
    if (index >= Document.Tree().Scales().size()) {
        return;
    }
    const CRatingScale scale = Document.Tree().Scales()[index];
    const QString line = UserDialogs().AskText(this,
        tr("Интенсивности шкалы «%1», лучшая первой, через «%2»:").arg(Text(scale.Name), QChar(IntensitySeparator)),
        tr("Интенсивности шкалы"), JoinedIntensities(scale.Intensities));
    if (line.isEmpty()) {
        return;
    }
    const std::vector<std::string> intensities = SplitIntensities(line);
    Step([this, index, &intensities] { return RelistScale(Document, index, intensities); },
        EditScaleStepName(scale.Name), index);
}

void TfmRatingScales::btRemoveScaleClick()
{
    const std::uint32_t index = CurrentScale();
    if (index >= Document.Tree().Scales().size()) {
        return;
    }
    const std::string name = Document.Tree().Scales()[index].Name;
    Step([this, index] { return Document.RemoveScale(index); }, RemoveScaleStepName(name), index);
}

void TfmRatingScales::btCompareScaleClick()
{
    const std::uint32_t index = CurrentScale();
    if (ExpertForm == nullptr || index >= Document.Tree().Scales().size()) {
        return;
    }
    const std::string name = Document.Tree().Scales()[index].Name;
    Step(
        [this, index] {
            ExpertForm->JudgeScale(Document, index, this);
            return std::string();
        },
        EditScaleStepName(name), index);
}
