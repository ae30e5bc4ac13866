#pragma once

#include <cstdint>

#include "toolwindow.h"

class QListWidget;
class QToolButton;

// The layers panel: lists the project's functions and adds, hides, restyles,
// reorders and deletes them. List item i, layer i of the project and series i
// of both charts always belong to the same function.
class TLayersForm : public TToolWindow {
  Q_OBJECT

 public:
  explicit TLayersForm(QWidget *frame);

  QListWidget *LayersLB;
  QToolButton *NewButton;
  QToolButton *VisButton;
  QToolButton *OptButton;
  QToolButton *UpButton;
  QToolButton *DownButton;
  QToolButton *DelButton;
  QToolButton *HelpButton;

  void NewButtonClick();
  void VisButtonClick();
  void OptButtonClick();
  void UpButtonClick();
  void DownButtonClick();
  void DelButtonClick();
  void HelpButtonClick();

  // Checks, samples and shows a new layer with its style; false with the code
  // when the expression is refused, in which case nothing has changed.
  bool AddLayer(const QString &expression, int32_t pointCount, const QColor &colour, int width, unsigned char &code);

  // Empties the list, as a new project or a project being opened does.
  void ClearList();
  // Appends the entry of a loaded layer.
  void AppendEntry(int index);
  // Whether the list shows the project's layers in order with their visibility.
  bool MatchesProject(QString *why = nullptr) const;

 private:
  bool EstablishBounds();
  int Selected() const;
  void Select(int index);
  void ExchangeEntries(int first, int second);
  // The one place that sets the buttons' enabled and down states.
  void UpdateButtons();
  void ShowExpressionError(unsigned char code);
};

extern TLayersForm *LayersForm;

// The text of a layer's entry: "[+] " or "[-] " and the expression.
QString LayerEntryText(int index);

// Back to no project: no layers, no bounds, both charts and the list emptied.
void ClearProject();
