// Every caption of every window, in both of the dream window's languages,
// measured with the font it is drawn in: it fits its widget's width and
// height, so no letter is cut (the descenders of g, j, p and y, a final
// question mark), and the captions that sit side by side in one window
// (check boxes, choices and group titles) are of one size. The donation
// window's title and appeal keep the sizes the window was laid out for.

#include "app/program.h"
#include "support/everywindow.h"
#include "support/fakes.h"
#include "ui/about/about.h"
#include "ui/about/spende.h"
#include "ui/dictionary/kamusform.h"
#include "ui/dream/flussform.h"
#include "ui/dream/todfrage.h"
#include "ui/dream/traumform.h"
#include "ui/dream/zahnfrage.h"
#include "ui/output/ausgabeform.h"
#include "ui/weton/wetonform.h"
#include "ui_spende.h"
#include "ui_traumform.h"
#include "ui_wetonform.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QCheckBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QtMath>

#include <gtest/gtest.h>

#include <set>

using namespace temparoka;
using namespace temparoka::test;

namespace {

struct Measured {
    QString text;
    int room = -1;  // width the text may take
    int height = -1;  // height the line may take
};

// What the style leaves for the caption beside a box's indicator.
int contentsWidth(QWidget* widget, QStyle::SubElement element, const QString& text)
{
    QStyleOptionButton option;
    option.initFrom(widget);
    option.text = text;
    return widget->style()->subElementRect(element, &option, widget).width();
}

Measured measure(QWidget* widget)
{
    if (auto* box = qobject_cast<QCheckBox*>(widget))
        return {box->text(), contentsWidth(widget, QStyle::SE_CheckBoxContents, box->text()), widget->height()};
    if (auto* radio = qobject_cast<QRadioButton*>(widget))
        return {radio->text(), contentsWidth(widget, QStyle::SE_RadioButtonContents, radio->text()), widget->height()};
    if (auto* button = qobject_cast<QPushButton*>(widget))
        return {button->text(), widget->width() - 8, widget->height()};
    if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        // The title's line ends where the first control inside begins.
        int top = widget->height();
        for (QWidget* child : widget->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            top = std::min(top, child->y());
        return {group->title(), widget->width() - 16, top};
    }
    if (auto* label = qobject_cast<QLabel*>(widget); label && !label->wordWrap()) {
        const QString shown = Qt::mightBeRichText(label->text())
                                  ? QTextDocumentFragment::fromHtml(label->text()).toPlainText()
                                  : label->text();
        return {shown, label->contentsRect().width(), label->contentsRect().height()};
    }
    return {};
}

bool sitsSideBySide(QWidget* widget)
{
    return qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget) || qobject_cast<QGroupBox*>(widget);
}

// Checks every caption of a window; returns how many it measured.
int checkWindow(QWidget* window, const char* language)
{
    int measured = 0;
    std::set<int> sideBySide;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->window() != window)
            continue;
        Measured m = measure(widget);
        m.text.remove(QLatin1Char('&'));
        if (m.text.isEmpty())
            continue;
        ++measured;
        const QFontMetrics metrics(widget->font());
        const QString where = window->objectName() + "/" + widget->objectName() + " (" + language + ") \"" + m.text +
                              "\" at " + QString::number(widget->font().pixelSize()) + " px";
        EXPECT_LE(metrics.horizontalAdvance(m.text), m.room) << qPrintable(where);
        EXPECT_LE(metrics.height(), m.height) << qPrintable(where);
        if (sitsSideBySide(widget))
            sideBySide.insert(widget->font().pixelSize());
    }
    EXPECT_LE(sideBySide.size(), 1u) << qPrintable(window->objectName()) << " (" << language
                                     << ") mixes caption sizes from " << *sideBySide.begin() << " to "
                                     << *sideBySide.rbegin() << " px";
    return measured;
}

class Captions : public ::testing::Test, public MainWindowFixture {};

TEST_F(Captions, EveryCaptionFitsItsWidgetInBothLanguages)
{
    Program program(services());
    const QList<QWidget*> windows = everyWindow(program);
    int measured = 0;
    for (QWidget* window : windows)
        measured += checkWindow(window, "Indonesian");
    EXPECT_GE(measured, 60);

    // The flag button turns the dream window into English and back.
    Ttraumfenster& dream = program.traumfenster();
    QTest::mouseClick(dream.controls().trans, Qt::LeftButton);
    ASSERT_EQ(dream.controls().Label1->text(), "What did you dream?");
    checkWindow(&dream, "English");
    QTest::mouseClick(dream.controls().trans, Qt::LeftButton);
    checkWindow(&dream, "Indonesian again");
}

// The windows laid out by Qt's layouts follow the desktop's font: with one
// half as large again they grow, and their captions still fit; the weton
// window with a partner and without.
TEST_F(Captions, TheLaidOutWindowsGrowWithTheDesktopsFontAndTheirCaptionsStillFit)
{
    Program program(services());
    const QSize normal = program.wetonform().size();
    const QSize dictionary = program.kamusform().size();
    const QFont desktop = QApplication::font();
    const auto restore = qScopeGuard([&] { QApplication::setFont(desktop); });
    QFont larger = desktop;
    larger.setPointSizeF(QFontInfo(desktop).pointSizeF() * 1.5);
    QApplication::setFont(larger);

    Twetonform weton(services().readingServices(), program.ausform());
    weton.setBirthData(program.Form1().birthData());
    weton.setObjectName("wetonform at 1.5 times the font");
    EXPECT_GT(weton.width(), normal.width());
    EXPECT_GT(weton.height(), normal.height());
    EXPECT_EQ(checkWindow(&weton, "without a partner"), 11);
    weton.controls().pasangan->click();
    weton.layout()->activate();
    ASSERT_FALSE(weton.controls().jodoh->text().isEmpty());
    EXPECT_EQ(checkWindow(&weton, "with a partner"), 13);

    Tkamusform kamus(services().readingServices(), shippedDreamDictionary(), program.ausform());
    kamus.setObjectName("kamusform at 1.5 times the font");
    EXPECT_GT(kamus.width(), dictionary.width());
    EXPECT_GT(kamus.height(), dictionary.height());
    EXPECT_EQ(checkWindow(&kamus, "its search"), 3);
}

TEST_F(Captions, TheDonationWindowKeepsItsSizesAndItsAppealEndsAboveTheButton)
{
    TSpendeForm donation;
    donation.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&donation));
    const Ui::TSpendeForm& ui = donation.controls();
    EXPECT_EQ(ui.Label1->font().pixelSize(), 20);
    EXPECT_TRUE(ui.Label1->font().bold());
    EXPECT_EQ(ui.Memo1->font().pixelSize(), 17);
    // The last line ends above the button that lies over the memo.
    QTextDocument* text = ui.Memo1->document();
    const QRectF last = text->documentLayout()->blockBoundingRect(text->lastBlock());
    const QPoint end = ui.Memo1->viewport()->mapTo(&donation, QPoint(0, qCeil(last.bottom())));
    EXPECT_LE(end.y(), ui.BitBtn1->y());
}

}  // namespace
