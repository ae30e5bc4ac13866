#pragma once

#include <QDialog>

#include "expression.h"

class QFrame;
class QLabel;
class QPushButton;
class QTableWidget;

// The about box: the program's and the expression library's names, versions
// and dates, and the people behind them. The grids are filled on every showing,
// the library's row from what the library reports about itself.
class TAboutForm : public QDialog {
  Q_OBJECT

 public:
  // Where the library's name, version and date come from: the library itself,
  // or a stand-in.
  using TInformationSource = TLibraryInformation (*)();

  explicit TAboutForm(QWidget *parent = nullptr, TInformationSource information = &LibraryInformation);

  QFrame *Bevel1;
  QLabel *LogoI;
  QLabel *Label1;
  QLabel *Label2;
  QTableWidget *VersionSG;
  QTableWidget *AuthorSG;
  QLabel *Label5;
  QLabel *Label6;
  QLabel *Label7;
  QFrame *Bevel2;
  QPushButton *OkButton;

  void FormShow();

 protected:
  void showEvent(QShowEvent *event) override;

 private:
  void CreateLogo();
  void CreateTitles();
  void CreateGrids();
  void CreateNotices();
  void CreateButton();
  void FillVersions();
  void FillAuthors();

  TInformationSource information_;
};

extern TAboutForm *AboutForm;
