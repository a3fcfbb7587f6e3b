// The rows of a capture grid: text cells under columns declared as data.
// Edits made by the user pass the grid's "before update" notification,
// which may refuse them; writes made by code do not.
#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <QVector>
#include <functional>
#include <optional>

#include "capture/GridColumn.h"

namespace promocionesQEX::capture {

class GridModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  // Column index, the cell's value before the edit, and the cancel flag the
  // handler sets to non-zero to refuse the edit. While it runs, cell()
  // answers the new value for the cell being edited.
  using BeforeUpdate =
      std::function<void(int column, const QString& old_value, int& cancel)>;

  explicit GridModel(QObject* parent = nullptr);

  void set_columns(QVector<GridColumn> columns);
  const QVector<GridColumn>& columns() const { return columns_; }
  // Index of the column whose name matches without case; -1 when none.
  int column_named(const QString& name) const;

  // What the user may change; code may always write.
  void set_allow_update(bool allow) { allow_update_ = allow; }
  bool allow_update() const { return allow_update_; }
  void on_before_update(BeforeUpdate handler) {
    before_update_ = std::move(handler);
  }

  // One row from TAB-separated text, fields in column order; missing
  // fields are empty, extra fields are dropped.
  void append_row(const QString& tab_separated);
  void remove_row(int row);
  void remove_all();
  QString cell(int row, int column) const;
  void set_cell(int row, int column, const QString& value);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  // A user's edit: asks the before-update handler, then stores.
  bool setData(const QModelIndex& index, const QVariant& value,
               int role) override;

 private:
  struct Pending {
    int row, column;
    QString value;
  };

  QVector<GridColumn> columns_;
  QVector<QStringList> rows_;
  bool allow_update_ = true;
  BeforeUpdate before_update_;
  std::optional<Pending> pending_;
};

}  // namespace promocionesQEX::capture
