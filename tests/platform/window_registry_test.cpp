#include "platform/window_registry.h"

#include <QCoreApplication>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QStringList& Events()
{
    static QStringList events;
    return events;
}

class BaseTestWindow : public QWidget, public FormEvents
{
public:
    void Form_Load() override { Events().append(objectName() + " load"); }
    void Form_Activate() override
    {
        Events().append(objectName() + (m_FirstActivated ? " first" : " again"));
        m_FirstActivated = false;
        if (closeOnActivate)
            QTimer::singleShot(0, this, [this] { hide(); });
    }
    void Form_Unload() override { Events().append(objectName() + " unload"); }
    bool closeOnActivate = false;
    QString value;
};

class frmFirst : public BaseTestWindow
{
public:
    static QString FormName() { return QStringLiteral("frm첫째"); }
};

class frmSecond : public BaseTestWindow
{
public:
    static QString FormName() { return QStringLiteral("frmSecond"); }
};

void FlushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class WindowRegistry : public ::testing::Test
{
protected:
    void SetUp() override { Events().clear(); }
    void TearDown() override
    {
        for (const QString& name : LoadedFormNames())
            UnloadForm(name);
        FlushDeletes();
    }
};

} // namespace

TEST_F(WindowRegistry, FirstReferenceCreatesAndLoadsOnceAndTheTestNeverCreates)
{
    EXPECT_FALSE(IsFormLoaded("frm첫째"));
    EXPECT_EQ(FindForm("frm첫째"), nullptr);
    EXPECT_TRUE(Events().isEmpty());

    Form<frmFirst>().value = "kept";
    EXPECT_TRUE(IsFormLoaded("frm첫째"));
    EXPECT_EQ(Form<frmFirst>().value, "kept");
    EXPECT_EQ(&Form<frmFirst>(), FindForm("frm첫째"));
    EXPECT_EQ(Events(), QStringList{"frm첫째 load"});
    EXPECT_EQ(Form<frmFirst>().objectName(), "frm첫째");
}

TEST_F(WindowRegistry, UnloadForgetsTheWindowAndTheNextReferenceLoadsAFreshOne)
{
    Form<frmSecond>();
    Form<frmFirst>().value = "old";
    EXPECT_EQ(LoadedFormNames(), (QStringList{"frmSecond", "frm첫째"}));

    UnloadForm("frm첫째");
    EXPECT_FALSE(IsFormLoaded("frm첫째"));
    EXPECT_EQ(LoadedFormNames(), QStringList{"frmSecond"});
    FlushDeletes();
    EXPECT_EQ(Form<frmFirst>().value, "");
    EXPECT_EQ(LoadedFormNames(), (QStringList{"frmSecond", "frm첫째"}));
    EXPECT_EQ(Events(), (QStringList{"frmSecond load", "frm첫째 load", "frm첫째 unload", "frm첫째 load"}));

    UnloadForm("frmNotLoaded");
    EXPECT_EQ(LoadedForms().size(), 2);
}

TEST_F(WindowRegistry, AWindowByNameIsMadeByItsMakerOnceAndUnknownNamesGiveNothing)
{
    EXPECT_EQ(FormByName("frm첫째"), nullptr);
    int made = 0;
    RegisterFormFactory("frm첫째", [&made]() -> QWidget* {
        ++made;
        return new frmFirst();
    });
    QWidget* window = FormByName("frm첫째");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(FormByName("frm첫째"), window);
    EXPECT_EQ(&Form<frmFirst>(), window);
    EXPECT_NE(FormEventsByName("frm첫째"), nullptr);
    EXPECT_EQ(made, 1);
    EXPECT_EQ(Events(), QStringList{"frm첫째 load"});
    EXPECT_EQ(FormByName("frmUnknown"), nullptr);
    RegisterFormFactory("frm첫째", nullptr);
}

TEST_F(WindowRegistry, AWindowDeletedElsewhereIsNoLongerLoaded)
{
    delete &Form<frmFirst>();
    EXPECT_FALSE(IsFormLoaded("frm첫째"));
    EXPECT_TRUE(LoadedForms().isEmpty());
}

TEST_F(WindowRegistry, ActivationRunsWhenTheWindowBecomesActiveNeverWhileItStaysInFront)
{
    frmFirst& first = Form<frmFirst>();
    first.m_FirstActivated = true;
    ShowFormModeless(first);
    EXPECT_TRUE(first.isVisible());

    // A request made while the window is in front waits.
    first.m_FirstActivated = true;
    ShowFormModeless(first);
    EXPECT_TRUE(first.m_FirstActivated);

    ShowFormModeless(Form<frmSecond>());
    ShowFormModeless(first);
    EXPECT_FALSE(first.m_FirstActivated);

    // Hidden and shown again, it becomes active again.
    first.hide();
    ShowFormModeless(first);
    EXPECT_EQ(Events(), (QStringList{"frm첫째 load", "frm첫째 first", "frmSecond load", "frmSecond again", "frm첫째 first",
                                     "frm첫째 again"}));
}

TEST_F(WindowRegistry, ModalShowWaitsUntilHiddenThenActivatesTheOpenerAgain)
{
    ShowFormModeless(Form<frmFirst>());
    frmSecond& second = Form<frmSecond>();
    second.m_FirstActivated = true;
    second.closeOnActivate = true;
    ShowFormModal(second);
    EXPECT_FALSE(second.isVisible());
    EXPECT_EQ(Events(), (QStringList{"frm첫째 load", "frm첫째 again", "frmSecond load", "frmSecond first",
                                     "frm첫째 again"}));
}

TEST_F(WindowRegistry, ModalShowEndsWhenTheWindowUnloadsItself)
{
    frmSecond& second = Form<frmSecond>();
    QTimer::singleShot(0, [] { UnloadForm("frmSecond"); });
    ShowFormModal(second);
    FlushDeletes();
    EXPECT_FALSE(IsFormLoaded("frmSecond"));
}
