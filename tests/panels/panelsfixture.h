#pragma once

#include <QColorDialog>
#include <QLineEdit>
#include <QListWidget>

#include "addform.h"
#include "layersform.h"
#include "layersoptform.h"
#include "newform.h"
#include "optionsform.h"
#include "viewfixture.h"

// The view's windows plus the layers panel and its dialogs, fresh for each test.
class PanelsTest : public ViewTest {
 protected:
  void SetUp() override {
    ViewTest::SetUp();
    newForm_ = std::make_unique<TNewForm>();
    addForm_ = std::make_unique<TAddForm>();
    optForm_ = std::make_unique<TLayersOptForm>();
    layers_ = std::make_unique<TLayersForm>(nullptr);
    NewForm = newForm_.get();
    AddForm = addForm_.get();
    LayersOptForm = optForm_.get();
    LayersForm = layers_.get();
    ShowField(400, 300);
    LayersForm->show();
  }

  void TearDown() override {
    layers_.reset();
    LayersForm = nullptr;
    NewForm = nullptr;
    AddForm = nullptr;
    LayersOptForm = nullptr;
    ViewTest::TearDown();
  }

  // Answers the next dialog with OK (after filling it in) or Cancel.
  void Answer(
      bool ok, std::function<void()> fill = [] {}) {
    dialogs->answers.push_back([ok, fill](QDialog &dialog) {
      fill();
      ok ? dialog.accept() : dialog.reject();
      return dialog.result();
    });
  }

  // "Новый" with the new-layer dialog filled in and confirmed, the bounds
  // confirmed as they stand when the project has none yet and no answer for
  // them is queued.
  void AddThroughDialog(const QString &expression, const char *count = "1000", const char *width = "1") {
    if (!Project.HasBounds() && dialogs->answers.empty()) Answer(true);
    Answer(true, [=] {
      AddForm->FuncEdit->setText(expression);
      TypeInto(AddForm->CountSE, count);
      TypeInto(AddForm->WidthSE, width);
    });
    QTest::mouseClick(LayersForm->NewButton, Qt::LeftButton);
  }

  void SelectRow(int row) {
    const QRect rect = LayersForm->LayersLB->visualItemRect(LayersForm->LayersLB->item(row));
    QTest::mouseClick(LayersForm->LayersLB->viewport(), Qt::LeftButton, {}, rect.center());
  }

  void ExpectInStep() {
    QString why;
    EXPECT_TRUE(LayersInStep(LayersForm->LayersLB, &why)) << why.toStdString();
  }

 private:
  std::unique_ptr<TNewForm> newForm_;
  std::unique_ptr<TAddForm> addForm_;
  std::unique_ptr<TLayersOptForm> optForm_;
  std::unique_ptr<TLayersForm> layers_;
};
