// The capture grid (the windows' ssPromocion): a table view over GridModel
// with the operations the windows use (named columns, a current row moved
// first and next, cells of the current row by column name, rows appended
// from TAB-separated text) and their notifications: before a cell edit is
// committed, on key press, and before a row is deleted.
#pragma once

#include <QPointer>
#include <QTableView>
#include <functional>

#include "capture/GridModel.h"

namespace promocionesQEX::capture {

class Grid : public QTableView {
  Q_OBJECT

 public:
  // The character code of the key (13 for Enter, 9 for Tab, the character
  // otherwise); the handler sets it to 0 to swallow the key.
  using KeyPress = std::function<void(int& key_ascii)>;
  // Cancel set non-zero keeps the row; DispPromptMsg left non-zero makes the
  // grid ask the user to confirm the deletion.
  using BeforeDelete = std::function<void(int& cancel, int& disp_prompt_msg)>;

  explicit Grid(QWidget* parent = nullptr);

  GridModel& model_rows() { return model_; }
  void set_columns(QVector<GridColumn> columns);
  // Index of the named column (without case); fails with 5 naming it.
  int column_index(const QString& name) const;

  int Rows() const { return model_.rowCount(); }
  void MoveFirst();
  void MoveNext();
  // The current row, -1 when the grid has no rows or is past the last.
  int current_row() const { return row_; }
  QString cell(const QString& column) const;
  void set_cell(const QString& column, const QString& value);
  void AddItem(const QString& tab_separated);
  void RemoveAll();

  bool AllowAddNew = false;  // rows are only appended by code here
  bool AllowDelete = false;  // Delete removes the current row
  void set_allow_update(bool allow);
  bool allow_update() const { return model_.allow_update(); }

  void on_before_col_update(GridModel::BeforeUpdate handler) {
    model_.on_before_update(std::move(handler));
  }
  void on_key_press(KeyPress handler) { key_press_ = std::move(handler); }
  void on_before_delete(BeforeDelete handler) {
    before_delete_ = std::move(handler);
  }

  // Commits the cell editor that is open, if any, as leaving the cell would.
  void commit_open_editor();
  // Where a key sent to the grid goes: the open cell editor, else the grid.
  QWidget* key_target();
  // Gives the key to the KeyPress notification first; true when swallowed.
  bool key_swallowed(int key_ascii);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void currentChanged(const QModelIndex& current,
                      const QModelIndex& previous) override;

 private:
  friend class GridDelegate;
  void delete_current_row();

  GridModel model_;
  KeyPress key_press_;
  BeforeDelete before_delete_;
  QPointer<QWidget> editor_;
  int row_ = -1;
};

}  // namespace promocionesQEX::capture
