#pragma once

#include "core/results/ReportContent.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

// One table of the group window over the group's figures. Its cells are made from the
// report content only when a view first asks for them after a change, so a table of a
// thousand experts costs nothing until it is shown, and a change of a weight only tells
// the views that their cells changed (the rows and columns stay, and so do the view's
// place and selection) instead of making every table again.
class CGroupTableModel final : public QAbstractTableModel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CGroupTableModel)

public:
    using CContent = std::function<CReportTable()>;
    // Anything a cell shows beyond its text and alignment (a colour, a note), by role.
    using CCellExtra = std::function<QVariant(int row, int column, int role)>;
    using CAlignment = std::function<Qt::Alignment(int column)>;

    CGroupTableModel(QObject* parent, CContent content, CAlignment alignment);
    ~CGroupTableModel() override;

    void SetCellExtra(CCellExtra extra) { Extra = std::move(extra); }
    // What a screen reader and the tip say of a column header (the full name of a column
    // shown by a number); "" for the header's own text.
    void SetHeaderNames(QStringList names) { HeaderNames = std::move(names); }
    // A column whose cells are edited: edit receives the row and the text typed and says
    // whether it was taken.
    void SetEditableColumn(int column, std::function<bool(int row, const QString& text)> edit);

    // A column of check boxes: checked tells each row's state, check sets it and says
    // whether it was taken.
    void SetCheckColumn(int column, std::function<bool(int row)> checked, std::function<bool(int row, bool on)> check);

    // The figures changed, the table's shape not: every view repaints what it shows.
    void Refresh();
    // The table may have other rows or columns now: every view starts again.
    void Reset();

    [[nodiscard]] int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // The cell's text as shown.
    [[nodiscard]] QString Text(int row, int column) const;

private:
    const CReportTable& Table() const;

    CContent Content;
    CAlignment Alignment;
    CCellExtra Extra;
    QStringList HeaderNames;
    int EditableColumn = -1;
    std::function<bool(int, const QString&)> Edit;
    int CheckColumn = -1;
    std::function<bool(int)> Checked;
    std::function<bool(int, bool)> Check;
    mutable std::optional<CReportTable> Cells;
    // The shape as the views know it, kept while the cells are made again.
    int Rows = 0;
    int Columns = 0;
};
