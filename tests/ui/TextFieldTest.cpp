#include "support/ScopedLocale.h"
#include "support/TestEnv.h"

#include "ui/SearchBar.h"
#include "ui/TextEdit.h"
#include "ui/TextField.h"
#include "ui/TextFieldDelegate.h"

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>

using namespace ui;

namespace {

// Records what it was asked and answers as told.
class RecordingDelegate : public TextFieldDelegate {
public:
    bool textFieldShouldChangeCharactersInRange(TextField* field, TextRange range,
                                                const QString& replacement) override {
        asked.append({range, replacement});
        textBefore.append(field->acceptedText());
        return answer;
    }
    void textFieldDidEndEditing(TextField*) override { ++ended; }

    QList<TextEdit> asked;
    QStringList textBefore;
    bool answer = true;
    int ended = 0;
};

} // namespace

class TextEditTest : public QuorvelTest {};

TEST_F(TextEditTest, RecoversTheEditFromTheTextsAndTheCaret) {
    // Typing at the end of repeated characters is an insertion at the caret.
    EXPECT_EQ(TextEdit::between("aa", "aaa", 3).range, (TextRange{2, 0}));
    // Backspace in the middle of a run removes the character before the caret.
    const TextEdit del = TextEdit::between("aaa", "aa", 1);
    EXPECT_EQ(del.range, (TextRange{1, 1}));
    EXPECT_TRUE(del.replacement.isEmpty());
    // Typing over a selection replaces it.
    const TextEdit over = TextEdit::between("12345", "1x45", 2);
    EXPECT_EQ(over.range, (TextRange{1, 2}));
    EXPECT_EQ(over.applyTo("12345"), "1x45");
    // Clearing everything and a paste into an empty field.
    EXPECT_EQ(TextEdit::between("250", "", 0).range, (TextRange{0, 3}));
    EXPECT_EQ(TextEdit::between("", "Apple pie", -1).replacement, "Apple pie");
}

class TextFieldTest : public QuorvelTest {
protected:
    void SetUp() override {
        QuorvelTest::SetUp();
        field.resize(200, 30);
        field.show();
        field.setFocus();
    }
    TextField field;
};

TEST_F(TextFieldTest, NumberKeyboardTakesDigitsAndOnePointOnly) {
    field.setKeyboardType(TextField::KeyboardType::NumberPad);
    QTest::keyClicks(&field, "12a.5.x7");
    EXPECT_EQ(field.text(), "12.57");
    // A paste that would bring letters or a second point is refused as a whole.
    QApplication::clipboard()->setText("3.1");
    field.paste();
    EXPECT_EQ(field.text(), "12.57");
    field.setText("");
    field.paste();
    EXPECT_EQ(field.text(), "3.1");
    // Deleting the point allows a new one elsewhere.
    field.setText("3.1");
    field.setCursorPosition(2);
    QTest::keyClick(&field, Qt::Key_Backspace);
    QTest::keyClick(&field, Qt::Key_End);
    QTest::keyClicks(&field, ".");
    EXPECT_EQ(field.text(), "31.");
}

TEST_F(TextFieldTest, TheLocalesDecimalCommaIsTakenAndReadAsAPoint) {
    field.setKeyboardType(TextField::KeyboardType::DecimalPad);
    {
        const ScopedLocale german(QLocale(QLocale::German, QLocale::Germany));
        QTest::keyClicks(&field, "12,5.3");
        EXPECT_EQ(field.text(), "12,53") << "one separator, whichever is typed first";
        EXPECT_EQ(field.number(), 12.53);
        EXPECT_EQ(TextField::numberIn("0.5"), 0.5) << "a point is always a decimal point";
    }
    // Where the comma groups thousands it is no separator: refused, never read as one.
    field.setText("");
    QTest::keyClicks(&field, "1,5");
    EXPECT_EQ(field.text(), "15");
    // Texts that are no number give nothing rather than 0.
    for (const char* text : {"", ".", ","})
        EXPECT_EQ(TextField::numberIn(text), std::nullopt) << text;
    EXPECT_EQ(TextField::numberIn("5."), 5.0);
    EXPECT_EQ(TextField::numberIn(QString(400, '9')), std::nullopt) << "too big to be finite";
}

TEST_F(TextFieldTest, DelegateIsAskedBeforeEachUserChangeAndCanRefuse) {
    RecordingDelegate delegate;
    field.setDelegate(&delegate);
    field.setText("Apple");
    EXPECT_TRUE(delegate.asked.isEmpty()) << "text set from code is not offered";

    QTest::keyClick(&field, Qt::Key_S);
    ASSERT_EQ(delegate.asked.size(), 1);
    EXPECT_EQ(delegate.asked[0].range, (TextRange{5, 0}));
    EXPECT_EQ(delegate.asked[0].replacement, "s");
    EXPECT_EQ(delegate.textBefore[0], "Apple") << "asked before the change";

    delegate.answer = false;
    QTest::keyClick(&field, Qt::Key_Backspace);
    EXPECT_EQ(field.text(), "Apples");
    ASSERT_EQ(delegate.asked.size(), 2);
    EXPECT_EQ(delegate.asked[1].range, (TextRange{5, 1}));

    // The number filter speaks first: a refused letter never reaches the delegate.
    field.setKeyboardType(TextField::KeyboardType::NumberPad);
    field.setText("1.5");
    delegate.answer = true;
    QTest::keyClicks(&field, ".");
    EXPECT_EQ(delegate.asked.size(), 2);
    EXPECT_EQ(field.text(), "1.5");
}

TEST_F(TextFieldTest, LosingFocusEndsEditing) {
    RecordingDelegate delegate;
    field.setDelegate(&delegate);
    QSignalSpy ended(&field, &TextField::editingDidEnd);
    field.activateWindow();
    field.becomeFirstResponder();
    if (!QTest::qWaitForWindowActive(&field))
        GTEST_SKIP() << "the platform gives no window focus";
    EXPECT_TRUE(field.isFirstResponder());
    field.resignFirstResponder();
    EXPECT_FALSE(field.isFirstResponder());
    EXPECT_EQ(ended.size(), 1);
    EXPECT_EQ(delegate.ended, 1);
}

TEST_F(TextFieldTest, SearchBarReportsUserTypingAndTheDoneKey) {
    SearchBar bar;
    bar.show();
    QSignalSpy changed(&bar, &SearchBar::textDidChange);
    QSignalSpy search(&bar, &SearchBar::searchButtonClicked);
    bar.setText("old");
    EXPECT_EQ(changed.size(), 0);
    bar.setText("");
    QTest::keyClicks(bar.field(), "egg");
    ASSERT_EQ(changed.size(), 3);
    EXPECT_EQ(changed.last().at(0).toString(), "egg");
    QTest::keyClick(bar.field(), Qt::Key_Return);
    EXPECT_EQ(search.size(), 1);
}
