#pragma once

#include <QMainWindow>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "selfuncform.h"

class QAction;
class QFileDialog;
class QIcon;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QMenuBar;
class QToolBar;
class QToolButton;
class TPictureDialog;
class TToolWindow;

// The frame window: a multiple-document frame whose only child is the plot
// window. Every command that is not inside a panel or a dialog starts from its
// menu or its tool bar; a command is one action that both of them show, so a
// menu item and its tool button cannot do different things.
class TMainForm : public QMainWindow {
  Q_OBJECT

 public:
  explicit TMainForm(QWidget *parent = nullptr);

  // Makes the plot window the frame's one child window.
  void AdoptPlotWindow(QWidget *plotWindow);
  // Ties the navigator, layers and calculator panels to their toggles.
  void AttachPanels(TToolWindow *scale, TToolWindow *layers, TToolWindow *calc);
  // Shows the frame and places the panels and the plot window, once.
  void ShowMaximised();

  // The commands, named after their tool buttons.
  QAction *NewButton;
  QAction *OpenButton;
  QAction *SaveButton;
  QAction *SavePButton;
  QAction *SaveTButton;
  QAction *PrintPButton;
  QAction *PrintTButton;
  QAction *OptButton;
  QAction *InfoButton;
  QAction *HelpButton;
  // The panel toggles and the exit, named after their menu items.
  QAction *N13;
  QAction *N14;
  QAction *N15;
  QAction *N7;

  QMenuBar *MainMenu;
  QMenu *N1;
  QMenu *N16;
  QMenu *N3;
  QMenu *N4;
  QMenu *N5;
  QToolBar *MainTB;
  QToolButton *ScaleTB;
  QToolButton *LayersTB;
  QToolButton *CalcTB;
  QMdiArea *MdiArea;
  QMdiSubWindow *PlotWindow = nullptr;

  // The file dialogs of the commands that save and open files.
  QFileDialog *ProjectSD;
  QFileDialog *ProjectOD;
  TPictureDialog *PictureSD;
  QFileDialog *TableSD;

 protected:
  void closeEvent(QCloseEvent *event) override;
  bool eventFilter(QObject *watched, QEvent *event) override;
  QMenu *createPopupMenu() override;

 private:
  void createActions();
  void createPanelToggles();
  void createMenus();
  void createToolBars();
  void createMdiArea();
  void createFileDialogs();

  QAction *CreateAction(const char *name, const QString &caption, const QString &hint, const QIcon &icon);
  QAction *CreateCommand(const char *name, const QString &caption, const QString &hint, const QIcon &icon,
                         void (TMainForm::*handler)());
  QAction *CreatePanelToggle(const char *name, const QString &caption, const QIcon &icon);
  QMenu *AddMenu(const char *name, const QString &title);
  QToolButton *NamedToolButton(QAction *action, const char *name);
  void AttachPanel(QAction *toggle, TToolWindow *panel);

  void FormShow();
  void NewButtonClick();
  void OpenButtonClick();
  void SaveButtonClick();
  void SavePButtonClick();
  void SaveTButtonClick();
  void PrintPButtonClick();
  void PrintTButtonClick();
  void OptButtonClick();
  void InfoButtonClick();
  void HelpButtonClick();
  void N7Click();
  // The chosen name of a file dialog as the bytes the system knows the file
  // by, or nothing when it was cancelled.
  std::optional<std::string> ChooseFile(QFileDialog &dialog);
  // The layer selection for an output, or nothing when it was cancelled.
  std::optional<std::vector<bool>> ChooseLayers(const QString &caption, TSelFuncForm::TOutput output);

  // Navigator, layers, calculator: the column FormShow places.
  std::array<TToolWindow *, 3> panels_{};
};

extern TMainForm *MainForm;
