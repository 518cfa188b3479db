#pragma once

#include <QWidget>
#include <optional>
#include <vector>

class QLabel;
class QTableWidget;

namespace tessaro {
class SettingsStore;
}

namespace tessaro::app {

struct ShownSensitivity;

// What View > Sensitivity and View > Show Ranges remember in the settings
// ("View" section, "Sensitivity" and "ShowRanges", 1 or 0); both start off.
enum class SensitivitySetting { Panel, Ranges };
bool ReadSensitivitySetting(const tessaro::SettingsStore* settings, SensitivitySetting which);
void WriteSensitivitySetting(tessaro::SettingsStore* settings, SensitivitySetting which, bool on);

// The Sensitivity pane of a window: a note and two small tables, of the
// constraints (name, slack, shadow price, RHS lower, RHS upper) and of the
// variables (name, value, reduced cost, coefficient lower and upper). It
// shows what it is given and keeps no numbers of its own.
class SensitivityPanel : public QWidget {
  Q_OBJECT

 public:
  explicit SensitivityPanel(QWidget* parent = nullptr);

  // Fills the tables from shown, or empties them when it is null.
  void Show(const ShownSensitivity* shown);

  QLabel* Note() const { return note_; }
  QTableWidget* Constraints() const { return constraints_; }
  QTableWidget* Variables() const { return variables_; }

 Q_SIGNALS:
  // The constraint row selected in the table (an index into the model's
  // lines), or none.
  void rowSelected(std::optional<int> row);

 private:
  void OnSelectionChanged();

  QLabel* note_ = nullptr;
  QTableWidget* constraints_ = nullptr;
  QTableWidget* variables_ = nullptr;
  // The model line of each constraint table row.
  std::vector<int> rowLines_;
};

}  // namespace tessaro::app
