// Edges of the toolkit's controls: a held button's blink, a double click on the first item and
// the release that ends it, and an unticked answer in the message box.
#include "button.h"
#include "button_state.h"
#include "kanji_list.h"
#include "message_box.h"
#include "options.h"

#include <QDir>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <gmock/gmock.h>

namespace {

TEST(ButtonEdges, AHeldButtonDoesNotBlink) {
    ButtonBehaviour b;
    b.attention(true);
    ASSERT_TRUE(b.blink_tick().repaint) << "an idle button blinks";
    const int phase = b.blink;
    b.hold(-1);
    EXPECT_FALSE(b.blink_tick().repaint);
    EXPECT_EQ(b.blink, phase) << "the phase stays while held";
    b.hold(0);
    EXPECT_TRUE(b.blink_tick().repaint) << "released, it blinks again";
}

struct Notice {
    int index;
    QString value;
    bool operator==(const Notice&) const = default;
};

TEST(ListEdges, DoubleClickOnTheFirstItemReportsMinusThreeAndItsReleaseNothing) {
    std::vector<Notice> notices;
    QWidget window;
    window.resize(300, 300);
    KanjiList* list = KanjiList::create(&window, 20, 46, 160, 231, [&](int i, const QString& v) {
        notices.push_back({i, v});
    });
    list->add(QStringLiteral("日"), 0);
    list->add(QStringLiteral("月"), 0);
    window.show();
    QWidget* viewport = list->view()->viewport();
    const QPoint first = list->view()->visualRect(list->view()->model()->index(0, 0)).center();
    const auto send = [&](QEvent::Type type) {
        QMouseEvent e(type, first, viewport->mapToGlobal(first), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, {});
        QCoreApplication::sendEvent(viewport, &e);
    };
    send(QEvent::MouseButtonPress);
    send(QEvent::MouseButtonRelease);
    send(QEvent::MouseButtonPress);
    send(QEvent::MouseButtonDblClick);
    send(QEvent::MouseButtonRelease);
    EXPECT_THAT(notices, ::testing::ElementsAre(Notice{0, QStringLiteral("日")}, Notice{-3, {}}));
    EXPECT_EQ(list->current(), 0);
    send(QEvent::MouseButtonPress);
    send(QEvent::MouseButtonRelease);
    EXPECT_EQ(notices.back(), (Notice{0, QStringLiteral("日")})) << "the next click counts again";
}

TEST(MessageBoxEdges, AnAnswerGivenWithoutTheTickIsNotRemembered) {
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    Options_Clear();
    QWidget owner;
    owner.show();
    int boxes_shown = 0;
    for (const char* caption : {" Yes ", " No ", " Yes "}) {
        QTimer::singleShot(0, &owner, [&boxes_shown, caption] {
            ++boxes_shown;
            for (Button* b : open_message_box()->findChildren<Button*>())
                if (b->caption() == QLatin1String(caption))
                    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, 5));
        });
        const int expected = caption[1] == 'Y' ? MessageYes : MessageNo;
        EXPECT_EQ(show_message_box(&owner, "Add a copy?", MessageYesNoWithCheck,
                                   OptRememberAlreadyListed),
                  expected);
        EXPECT_EQ(get_option_slot(OptRememberAlreadyListed), 0);
    }
    EXPECT_EQ(boxes_shown, 3) << "every question was asked again";
    Options_Clear();
    QDir::setCurrent(previous);
}

} // namespace
