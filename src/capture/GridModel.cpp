#include "capture/GridModel.h"

#include "capture/DisplayFormat.h"

namespace promocionesQEX::capture {

GridModel::GridModel(QObject* parent) : QAbstractTableModel(parent) {}

void GridModel::set_columns(QVector<GridColumn> columns) {
  beginResetModel();
  columns_ = std::move(columns);
  rows_.clear();
  endResetModel();
}

int GridModel::column_named(const QString& name) const {
  for (int c = 0; c < columns_.size(); ++c)
    if (columns_[c].name.compare(name, Qt::CaseInsensitive) == 0) return c;
  return -1;
}

void GridModel::append_row(const QString& tab_separated) {
  QStringList fields = tab_separated.split(QLatin1Char('\t'));
  while (fields.size() < columns_.size()) fields.append(QString());
  while (fields.size() > columns_.size()) fields.removeLast();
  const int at = static_cast<int>(rows_.size());
  beginInsertRows({}, at, at);
  rows_.append(fields);
  endInsertRows();
}

void GridModel::remove_row(int row) {
  if (row < 0 || row >= rows_.size()) return;
  beginRemoveRows({}, row, row);
  rows_.removeAt(row);
  endRemoveRows();
}

void GridModel::remove_all() {
  beginResetModel();
  rows_.clear();
  endResetModel();
}

QString GridModel::cell(int row, int column) const {
  if (pending_ && pending_->row == row && pending_->column == column)
    return pending_->value;
  if (row < 0 || row >= rows_.size() || column < 0 ||
      column >= columns_.size())
    return {};
  return rows_[row][column];
}

void GridModel::set_cell(int row, int column, const QString& value) {
  if (row < 0 || row >= rows_.size() || column < 0 ||
      column >= columns_.size())
    return;
  rows_[row][column] = value;
  emit dataChanged(index(row, column), index(row, column));
}

int GridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int GridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  if (role == Qt::EditRole) return rows_[index.row()][index.column()];
  if (role == Qt::DisplayRole)
    return display_text(columns_[index.column()].format,
                        rows_[index.row()][index.column()]);
  if (role == Qt::TextAlignmentRole &&
      is_number_format(columns_[index.column()].format))
    return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
  return {};
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation,
                               int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Horizontal)
    return section < columns_.size() ? columns_[section].caption : QString();
  return section + 1;
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags f = QAbstractTableModel::flags(index);
  if (index.isValid() && allow_update_ && columns_[index.column()].editable)
    f |= Qt::ItemIsEditable;
  return f;
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value,
                        int role) {
  if (!index.isValid() || role != Qt::EditRole ||
      !(flags(index) & Qt::ItemIsEditable))
    return false;
  const QString old_value = rows_[index.row()][index.column()];
  const QString new_value = value.toString();
  if (new_value == old_value) return true;
  int cancel = 0;
  if (before_update_) {
    pending_ = Pending{index.row(), index.column(), new_value};
    // The handler may show a message box: the pending value must go even if
    // it throws.
    struct Clear {
      std::optional<Pending>& p;
      ~Clear() { p.reset(); }
    } clear{pending_};
    before_update_(index.column(), old_value, cancel);
  }
  if (cancel != 0) return false;
  rows_[index.row()][index.column()] = new_value;
  emit dataChanged(index, index);
  return true;
}

}  // namespace promocionesQEX::capture
