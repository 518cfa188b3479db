#include "app/sensitivity_panel.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>
#include <array>
#include <string>

#include "app/shown_sensitivity.h"
#include "model/number_text.h"
#include "model/settings_store.h"
#include "render/sensitivity_table.h"

namespace tessaro::app {
namespace {

// Wide enough for both tables with numbers of a few digits.
constexpr int kMinimumWidth = 380;
constexpr const char* kNoOptimum = "No optimum on screen: Auto Max or Auto Min fills these tables.";

QTableWidget* MakeTable(const std::array<const char*, 5>& columns, const QString& name,
                        QWidget* parent) {
  auto* table = new QTableWidget(0, static_cast<int>(columns.size()), parent);
  QStringList headings;
  for (const char* column : columns) headings.append(QString::fromLatin1(column));
  table->setHorizontalHeaderLabels(headings);
  table->verticalHeader()->hide();
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->setAccessibleName(name);
  return table;
}

void FillRow(QTableWidget* table, int row, const std::array<std::string, 5>& cells) {
  for (int column = 0; column < static_cast<int>(cells.size()); ++column) {
    auto* item = new QTableWidgetItem(QString::fromStdString(cells[static_cast<size_t>(column)]));
    if (column > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    table->setItem(row, column, item);
  }
}

constexpr const char* kSettingsSection = "View";

const char* SettingKey(SensitivitySetting which) {
  return which == SensitivitySetting::Panel ? "Sensitivity" : "ShowRanges";
}

// A table as tall as its heading and rows, so both tables sit at the top.
void FitHeight(QTableWidget* table) {
  int height = table->horizontalHeader()->sizeHint().height() + 2 * table->frameWidth();
  for (int row = 0; row < table->rowCount(); ++row) height += table->rowHeight(row);
  table->setFixedHeight(height);
}

QString Number(double value, int decimals) {
  return QString::fromStdString(tessaro::FormatFixed(value, decimals, 0));
}

QString NoteOf(const ShownSensitivity& shown) {
  const tessaro::Sensitivity& s = shown.sensitivity;
  const int d = shown.model.decimals;
  const QString corner = QStringLiteral("(%1, %2), payoff %3")
                             .arg(Number(s.x, d), Number(s.y, d), Number(s.payoff, d));
  QString note = shown.relaxation ? QStringLiteral(
                                        "Integer optimum:%1. The ranges are those of the linear "
                                        "relaxation, optimal at %2.")
                                        .arg(QString::fromStdString(shown.integerOptimum), corner)
                                  : QStringLiteral("Optimum at %1.").arg(corner);
  if (s.degenerate) note += QStringLiteral(" Degenerate corner: one-sided values.");
  if (s.tied) note += QStringLiteral(" A whole edge is optimal.");
  return note;
}

}  // namespace

bool ReadSensitivitySetting(const tessaro::SettingsStore* settings, SensitivitySetting which) {
  return settings != nullptr && settings->Read(kSettingsSection, SettingKey(which), "0") == "1";
}

void WriteSensitivitySetting(tessaro::SettingsStore* settings, SensitivitySetting which, bool on) {
  if (settings != nullptr) settings->Write(kSettingsSection, SettingKey(which), on ? "1" : "0");
}

SensitivityPanel::SensitivityPanel(QWidget* parent) : QWidget(parent) {
  setAccessibleName(QStringLiteral("Sensitivity"));
  setMinimumWidth(kMinimumWidth);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  auto* title = new QLabel(QStringLiteral("<b>Sensitivity</b>"), this);
  note_ = new QLabel(QString::fromLatin1(kNoOptimum), this);
  note_->setWordWrap(true);
  constraints_ = MakeTable(tessaro::kConstraintColumns, QStringLiteral("Constraints"), this);
  variables_ = MakeTable(tessaro::kVariableColumns, QStringLiteral("Variables"), this);
  layout->addWidget(title);
  layout->addWidget(note_);
  auto* hint = new QLabel(
      QStringLiteral("Select a constraint to see its range on the plot (View > Show Ranges)."),
      this);
  hint->setWordWrap(true);
  layout->addWidget(constraints_);
  layout->addWidget(hint);
  layout->addWidget(variables_);
  layout->addStretch(1);
  FitHeight(constraints_);
  FitHeight(variables_);
  connect(constraints_, &QTableWidget::itemSelectionChanged, this,
          &SensitivityPanel::OnSelectionChanged);
}

void SensitivityPanel::Show(const ShownSensitivity* shown) {
  // Emptying the table drops its selection, and so the selected row.
  constraints_->setRowCount(0);
  variables_->setRowCount(0);
  rowLines_.clear();
  if (shown == nullptr) {
    note_->setText(QString::fromLatin1(kNoOptimum));
    FitHeight(constraints_);
    FitHeight(variables_);
    return;
  }
  const tessaro::SensitivityTables cells =
      tessaro::SensitivityCells(shown->model, shown->sensitivity);
  note_->setText(NoteOf(*shown));
  constraints_->setRowCount(static_cast<int>(cells.constraints.size()));
  for (std::size_t i = 0; i < cells.constraints.size(); ++i) {
    FillRow(constraints_, static_cast<int>(i), cells.constraints[i]);
    rowLines_.push_back(shown->sensitivity.rows[i].row);
  }
  variables_->setRowCount(static_cast<int>(cells.variables.size()));
  for (std::size_t i = 0; i < cells.variables.size(); ++i) {
    FillRow(variables_, static_cast<int>(i), cells.variables[i]);
  }
  FitHeight(constraints_);
  FitHeight(variables_);
}

void SensitivityPanel::OnSelectionChanged() {
  const QList<QTableWidgetItem*> selected = constraints_->selectedItems();
  const int index = selected.isEmpty() ? -1 : selected.front()->row();
  if (index < 0 || index >= static_cast<int>(rowLines_.size())) {
    Q_EMIT rowSelected(std::nullopt);
  } else {
    Q_EMIT rowSelected(rowLines_[static_cast<std::size_t>(index)]);
  }
}

}  // namespace tessaro::app
