// What a screen reader finds: every control that can take the focus has a
// name (its caption, or what it shows) and, where it has a hint, the hint
// as its description, in every window the program makes.

#include "app/program.h"
#include "core/weekly.h"
#include "support/everywindow.h"
#include "support/fakes.h"
#include "ui/about/about.h"
#include "ui/about/spende.h"
#include "ui/dream/flussform.h"
#include "ui/dream/todfrage.h"
#include "ui/dream/traumform.h"
#include "ui/dream/zahnfrage.h"
#include "ui/main/cardimage.h"
#include "ui/output/ausgabeform.h"

#include <QAccessible>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTextEdit>

#include <gtest/gtest.h>

using namespace temparoka;
using namespace temparoka::test;

namespace {

class Accessibility : public ::testing::Test, public MainWindowFixture {};

// Every interface below root, with a bound on the depth so that a cycle in
// the tree fails instead of hanging.
void walk(QAccessibleInterface* node, int depth, const std::function<void(QAccessibleInterface*)>& visit)
{
    ASSERT_LT(depth, 20);
    visit(node);
    for (int i = 0; i < node->childCount(); ++i)
        if (QAccessibleInterface* child = node->child(i))
            walk(child, depth + 1, visit);
}

TEST_F(Accessibility, EveryFocusableControlOfEveryWindowHasAName)
{
    Program program(services());
    const QList<QWidget*> windows = everyWindow(program);
    const QRegularExpression english(QStringLiteral("\\b(the|your|and|in|of|to|card)\\b"),
                                     QRegularExpression::CaseInsensitiveOption);
    for (QWidget* window : windows) {
        int focusable = 0;
        walk(QAccessible::queryAccessibleInterface(window), 0, [&](QAccessibleInterface* node) {
            if (!node->state().focusable)
                return;
            ++focusable;
            const QString name = node->text(QAccessible::Name);
            const std::string where = window->objectName().toStdString() + ": " +
                                      (node->object() ? node->object()->objectName().toStdString() : "?");
            EXPECT_FALSE(name.trimmed().isEmpty()) << where << " role " << node->role();
            // A description of our own is Indonesian, as the captions are;
            // the English is the tooltip's.
            auto* widget = qobject_cast<QWidget*>(node->object());
            if (widget && !widget->accessibleDescription().isEmpty()) {
                EXPECT_FALSE(widget->accessibleDescription().contains(english))
                    << where << ": " << widget->accessibleDescription().toStdString();
            }
        });
        EXPECT_GT(focusable, 0) << window->objectName().toStdString();
    }
}

TEST_F(Accessibility, HintsAreTheDescriptionsAndTheCardsSayWhichTheyAre)
{
    Program program(services());
    TForm1& form = program.Form1();
    const auto describe = [](QWidget* widget) {
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(widget);
        return std::make_pair(node->text(QAccessible::Name), node->text(QAccessible::Description));
    };
    const std::pair<const char*, std::pair<QString, QString>> controls[] = {
        {"Ramalanknopf", {"Ramalan", "Horoscope"}},
        {"gebdat", {"Tanggal lahir Anda", "Enter your birthday"}},
        {"SpinEdit1", {"Berapa anak", "How many children do you have?"}},
        // The two "tidak tahu" boxes say which field they belong to.
        {"Tidaktahu", {"Waktu lahir: tidak tahu", "don't know"}},
        {"kindNW", {"Berapa anak: tidak tahu", "don't know"}},
    };
    for (const auto& [name, expected] : controls)
        EXPECT_EQ(describe(form.findChild<QWidget*>(name)), expected) << name;

    TDoubleImage* card = form.cards()[1];
    const auto [downName, downSide] = describe(card);
    EXPECT_EQ(downName, "Kartu 2");
    card->Flip();
    const auto [upName, upSide] = describe(card);
    EXPECT_EQ(upName.toStdString(), cardFace(2).indonesian);
    EXPECT_NE(upSide, downSide);  // which side shows
    card->Flip();
    EXPECT_EQ(describe(card), std::make_pair(downName, downSide));
}

TEST_F(Accessibility, TheReadingCanBeReadThroughTheTextInterface)
{
    Program program(services());
    Tausform& output = program.ausform();
    output.setReading(readingOf({"Temparoka melihat:"}));
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(output.ausfenster());
    ASSERT_TRUE(view->textInterface());
    EXPECT_EQ(view->text(QAccessible::Name), "Ramalan");
    EXPECT_TRUE(
        view->textInterface()->text(0, view->textInterface()->characterCount()).startsWith("Temparoka melihat:"));
}

TEST_F(Accessibility, AfterALanguageSwitchTheNamesFollowTheCaptions)
{
    Program program(services());
    Ttraumfenster& dream = program.traumfenster();
    dream.buildControls();  // as they are once it has been shown
    auto* flag = dream.findChild<QPushButton*>("trans");
    const auto name = [&](const char* control) {
        return QAccessible::queryAccessibleInterface(dream.findChild<QWidget*>(control))->text(QAccessible::Name);
    };
    EXPECT_EQ(name("laut"), "menyebrang sungai atau laut");
    EXPECT_EQ(name("trans"), "Terjemahkan");
    flag->click();
    EXPECT_EQ(name("laut"), "running away");
    EXPECT_EQ(name("Button1"), "Meaning of yr dream");
    flag->click();
    EXPECT_EQ(name("laut"), "menyebrang sungai atau laut");
}

TEST_F(Accessibility, CardsArePressableButtonsAndBackgroundsAreUnnamedGraphics)
{
    Program program(services());
    TForm1& form = program.Form1();
    QAccessibleInterface* background = QAccessible::queryAccessibleInterface(form.findChild<QWidget*>("Image1"));
    EXPECT_EQ(background->role(), QAccessible::Graphic);
    EXPECT_EQ(background->text(QAccessible::Name), "");

    TDoubleImage* card = form.cards()[3];
    QAccessibleInterface* node = QAccessible::queryAccessibleInterface(card);
    EXPECT_EQ(node->role(), QAccessible::Button);
    ASSERT_TRUE(node->actionInterface());
    QSignalSpy clicked(card, &TDoubleImage::clicked);
    AutoClose closer(&program.ausform());
    const auto press = [node] { node->actionInterface()->doAction(QAccessibleActionInterface::pressAction()); };
    form.show();
    press();  // no deal yet: the card lies hidden, as out of a mouse's reach
    processEvents();
    EXPECT_EQ(clicked.count(), 0);

    form.losgehts->trigger();
    press();
    // The call returns before the reading opens: a screen reader waiting
    // for it would otherwise wait until the reader closed the reading.
    EXPECT_EQ(closer.shown, 0);
    processEvents();
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(closer.shown, 1);
    EXPECT_EQ(form.weekly().card(), 4);
}

}  // namespace
