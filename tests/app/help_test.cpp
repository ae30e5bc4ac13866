#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <gtest/gtest.h>
#include <set>

#include "calcform.h"
#include "helpviewer.h"

namespace {

const QString HelpSource = QStringLiteral(LUMOPLOT_SOURCE_DIR "/Help/Lumoplot.hlp");

QString HelpHtml() {
  QFile file(HelpSource);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << HelpSource.toStdString();
  return QString::fromUtf8(file.readAll());
}

// The anchors as the help viewer's browser sees them after reading the HTML.
std::set<QString> Anchors(const QString &html) {
  QTextDocument document;
  document.setHtml(html);
  std::set<QString> names;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
      for (const QString &name : fragment.fragment().charFormat().anchorNames()) names.insert(name);
    }
  }
  return names;
}

// The text of one topic: from its anchor to the next topic's anchor.
QString Topic(const QString &html, int context) {
  const qsizetype start = html.indexOf(QStringLiteral("<a name=\"%1\">").arg(context));
  if (start < 0) return {};
  const qsizetype end = html.indexOf(QStringLiteral("<a name=\""), start + 1);
  return html.mid(start, end < 0 ? -1 : end - start);
}

std::set<int> Numbers(const QString &text, const QRegularExpression &pattern) {
  std::set<int> numbers;
  for (const auto &match : pattern.globalMatch(text)) numbers.insert(match.captured(1).toInt());
  return numbers;
}

// Every code of the library's table.
std::set<int> LibraryCodes() {
  std::set<int> codes = {11, 12, 13};
  for (int code = 21; code <= 27; ++code) codes.insert(code);
  for (int code = 31; code <= 41; ++code) codes.insert(code);
  return codes;
}

// What the calculator panel shows for a typed text.
QString PanelShows(TCalcForm &calc, const QString &typed) {
  calc.ExpEdit->setText(typed);
  calc.RunButtonClick();
  return calc.ResLabel->text();
}

// An example's text as the user types it: the HTML's entities read back.
QString Typed(const QString &html) { return QTextDocumentFragment::fromHtml(html).toPlainText(); }

TEST(HelpFileTest, EveryContextTheProgramOpensIsThere) {
  const std::set<QString> anchors = Anchors(HelpHtml());
  for (const char *context : {"contents", "60", "70", "80", "130"}) {
    EXPECT_TRUE(anchors.count(QString::fromLatin1(context))) << context;
  }
}

TEST(HelpFileTest, TheViewerOpensEveryTopic) {
  for (int context : {0, 60, 70, 80, 130}) {
    HelpViewer().Open(HelpSource, context);
    EXPECT_TRUE(HelpViewer().Text().contains(QStringLiteral("Lumoplot"))) << context;
  }
  HelpViewer().hide();
}

TEST(HelpFileTest, TheErrorsTopicNamesEveryCodeOfTheLibrary) {
  const QString errors = Topic(HelpHtml(), 130);
  ASSERT_FALSE(errors.isEmpty());
  EXPECT_EQ(Numbers(errors, QRegularExpression(QStringLiteral("<td class=\"code\">(\\d+)</td>"))), LibraryCodes());
}

// Codes 13 and 31 cannot come from a typed expression (13 is about the sample
// arrays; a numeral the evaluator would reject fails the check first, with 27),
// and 27 needs a numeral of thousands of digits: the topic explains them in words.
TEST(HelpFileTest, EachExampleGivesItsCodeThroughTheLibrary) {
  const QRegularExpression example(QStringLiteral("<code class=\"example\" data-code=\"(\\d+)\">(.*?)</code>"));
  TCalcForm calc(nullptr);
  std::set<int> exemplified;
  for (const auto &match : example.globalMatch(Topic(HelpHtml(), 130))) {
    const QString typed = Typed(match.captured(2));
    EXPECT_EQ(PanelShows(calc, typed), QStringLiteral("Ошибка: ") + match.captured(1)) << typed.toStdString();
    exemplified.insert(match.captured(1).toInt());
  }
  std::set<int> expected = LibraryCodes();
  for (int words : {13, 27, 31}) expected.erase(words);
  EXPECT_EQ(exemplified, expected);
}

// The calculator's topic shows results as the panel gives them with its
// default settings, written with a point.
TEST(HelpFileTest, CalculatorExamplesShowWhatThePanelShows) {
  QLocale::setDefault(QLocale::c());
  TCalcForm calc(nullptr);
  const QRegularExpression example(QStringLiteral("<code class=\"calc\" data-result=\"([^\"]*)\">(.*?)</code>"));
  int examples = 0;
  for (const auto &match : example.globalMatch(Topic(HelpHtml(), 80))) {
    const QString typed = Typed(match.captured(2));
    EXPECT_EQ(PanelShows(calc, typed), match.captured(1)) << typed.toStdString();
    ++examples;
  }
  EXPECT_GT(examples, 3);
}

}  // namespace
