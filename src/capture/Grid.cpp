#include "capture/Grid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QStyledItemDelegate>

#include "capture/DisplayFormat.h"
#include "capture/Twips.h"
#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX::capture {

// Opens line editors limited to the column's maximum length and passes Enter
// typed into them to the grid's KeyPress notification first.
class GridDelegate : public QStyledItemDelegate {
 public:
  explicit GridDelegate(Grid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
      const GridColumn& column = grid_->model_.columns()[index.column()];
      if (column.max_length > 0) line->setMaxLength(column.max_length);
      if (is_number_format(column.format))
        line->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    grid_->editor_ = editor;
    return editor;
  }

 protected:
  bool eventFilter(QObject* object, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if ((key == Qt::Key_Return || key == Qt::Key_Enter) &&
          grid_->key_swallowed(13))
        return true;
    }
    return QStyledItemDelegate::eventFilter(object, event);
  }

 private:
  Grid* grid_;
};

Grid::Grid(QWidget* parent) : QTableView(parent) {
  setModel(&model_);
  setItemDelegate(new GridDelegate(this));
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setTabKeyNavigation(true);
  setEditTriggers(QAbstractItemView::DoubleClicked |
                  QAbstractItemView::EditKeyPressed |
                  QAbstractItemView::AnyKeyPressed);
  verticalHeader()->setDefaultSectionSize(
      twips_to_pixels(285, this));  // one text line
  connect(&model_, &QAbstractItemModel::modelReset, this,
          [this] { row_ = -1; });
}

void Grid::set_columns(QVector<GridColumn> columns) {
  model_.set_columns(columns);
  for (int c = 0; c < columns.size(); ++c) {
    setColumnHidden(c, !columns[c].shown);
    setColumnWidth(c, twips_to_pixels(columns[c].width, this));
  }
}

int Grid::column_index(const QString& name) const {
  const int c = model_.column_named(name);
  if (c < 0) {
    throw RuntimeError(5, "La columna " + name.toStdString() +
                              " no existe en la cuadrícula");
  }
  return c;
}

void Grid::MoveFirst() {
  row_ = model_.rowCount() > 0 ? 0 : -1;
  if (row_ >= 0) {
    const int column = currentIndex().isValid() ? currentIndex().column() : 0;
    setCurrentIndex(model_.index(row_, column));
  }
}

void Grid::MoveNext() {
  if (row_ < 0) return;
  if (++row_ >= model_.rowCount()) {
    row_ = -1;  // past the last row
    return;
  }
  setCurrentIndex(model_.index(row_, currentIndex().column()));
}

QString Grid::cell(const QString& column) const {
  return model_.cell(row_, column_index(column));
}

void Grid::set_cell(const QString& column, const QString& value) {
  model_.set_cell(row_, column_index(column), value);
}

void Grid::AddItem(const QString& tab_separated) {
  model_.append_row(tab_separated);
}

void Grid::RemoveAll() { model_.remove_all(); }

void Grid::set_allow_update(bool allow) { model_.set_allow_update(allow); }

void Grid::commit_open_editor() {
  if (state() != QAbstractItemView::EditingState || !editor_) return;
  QWidget* editor = editor_;
  commitData(editor);
  closeEditor(editor, QAbstractItemDelegate::NoHint);
}

QWidget* Grid::key_target() {
  if (state() == QAbstractItemView::EditingState && editor_) return editor_;
  return this;
}

bool Grid::key_swallowed(int key_ascii) {
  if (!key_press_) return false;
  key_press_(key_ascii);
  return key_ascii == 0;
}

void Grid::keyPressEvent(QKeyEvent* event) {
  int ascii = 0;
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
    ascii = 13;
  else if (!event->text().isEmpty())
    ascii = event->text().at(0).unicode();
  if (ascii != 0 && key_swallowed(ascii)) {
    event->accept();
    return;
  }
  if (event->key() == Qt::Key_Delete && AllowDelete) {
    delete_current_row();
    event->accept();
    return;
  }
  QTableView::keyPressEvent(event);
}

void Grid::currentChanged(const QModelIndex& current,
                          const QModelIndex& previous) {
  QTableView::currentChanged(current, previous);
  if (current.isValid()) row_ = current.row();
}

void Grid::delete_current_row() {
  const int row = currentIndex().isValid() ? currentIndex().row() : -1;
  if (row < 0) return;
  int cancel = 0;
  int prompt = 1;
  if (before_delete_) before_delete_(cancel, prompt);
  if (cancel != 0) return;
  if (prompt != 0 &&
      QMessageBox::question(this, windowTitle(),
                            QStringLiteral("¿Eliminar el renglón?")) !=
          QMessageBox::Yes)
    return;
  model_.remove_row(row);
  row_ = model_.rowCount() > 0 ? qMin(row, model_.rowCount() - 1) : -1;
}

}  // namespace promocionesQEX::capture
