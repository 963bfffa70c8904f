// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QWidget>
#include <stdexcept>
#include <string>
#include <vector>

#include "TComponent.h"
#include "TProperties.h"

namespace {

std::vector<std::string> gLoadedOrder;

// A component whose setter must wait for the whole form, like an axis that recomputes its mapping.
class TWaiter : public QObject, public TComponent {
    Q_OBJECT
    Q_PROPERTY(int Span READ Span WRITE SetSpan)
public:
    explicit TWaiter(QObject* owner, const char* name) : QObject(owner), TComponent(this) {
        setObjectName(QString::fromLatin1(name));
    }
    int Span() const { return FSpan; }
    void SetSpan(int v) {
        FSpan = v;
        if (!IsLoading()) ++FRecomputed;
    }
    void Loaded() override {
        TComponent::Loaded();
        ++FLoadedCount;
        ++FRecomputed;
        gLoadedOrder.push_back(objectName().toStdString());
    }
    int FSpan = 0;
    int FRecomputed = 0;
    int FLoadedCount = 0;
};

class TFailing : public TWaiter {
public:
    using TWaiter::TWaiter;
    void Loaded() override {
        TWaiter::Loaded();
        throw std::runtime_error("no server");
    }
};

class TSettings : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
public:
    QString Caption() const { return FCaption; }
    void SetCaption(const QString& c) { FCaption = c; }
    QString FCaption;
};

class TGroup : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(QStringList Items READ Items WRITE SetItems)
    Q_PROPERTY(TSettings* Settings READ Settings)
    Q_PROPERTY(double Ratio READ Ratio)
    Q_PROPERTY(TFrameStyleProxy Style READ Style)
public:
    enum TFrameStyleProxy { one, two };
    Q_ENUM(TFrameStyleProxy)
    QString Caption() const { return FCaption; }
    void SetCaption(const QString& c) { FCaption = c; }
    QStringList Items() const { return FItems; }
    void SetItems(const QStringList& i) { FItems = i; }
    TSettings* Settings() const { return FSettings; }
    double Ratio() const { return 0.5; }
    TFrameStyleProxy Style() const { return two; }
    QString FCaption;
    QStringList FItems;
    TSettings* FSettings = new TSettings;
    ~TGroup() override { delete FSettings; }
};

}  // namespace

TEST(LoadingScope, SettersWaitAndLoadedRunsOnceInJoinOrder) {
    gLoadedOrder.clear();
    QObject form;
    TWaiter* first = nullptr;
    TWaiter* second = nullptr;
    {
        TLoadingScope loading;
        second = loading.Add(new TWaiter(&form, "second"));
        first = loading.Add(new TWaiter(&form, "first"));
        // a component made in code by another one is not loaded from the form
        auto* inner = new TWaiter(second, "inner");
        first->SetSpan(4);
        second->SetSpan(5);
        inner->SetSpan(6);
        EXPECT_TRUE(first->IsLoading());
        EXPECT_FALSE(inner->IsLoading());
        EXPECT_EQ(first->FRecomputed, 0);
        EXPECT_EQ(inner->FRecomputed, 1);
        loading.End();
        loading.End();
    }
    EXPECT_EQ(gLoadedOrder, (std::vector<std::string>{"second", "first"}));
    EXPECT_EQ(first->FLoadedCount, 1);
    EXPECT_EQ(second->FLoadedCount, 1);
    EXPECT_FALSE(first->IsLoading());
    EXPECT_FALSE(first->IsDesigning());
    first->SetSpan(7);
    EXPECT_EQ(first->FRecomputed, 2);
}

TEST(LoadingScope, FailingLoadedPropagatesAndLeavesNoComponentLoading) {
    gLoadedOrder.clear();
    QObject form;
    TWaiter* after = nullptr;
    {
        TLoadingScope loading;
        loading.Add(new TWaiter(&form, "a"));
        loading.Add(new TFailing(&form, "b"));
        after = loading.Add(new TWaiter(&form, "c"));
        auto* gone = loading.Add(new TWaiter(&form, "gone"));
        delete gone;  // destroyed while loading: skipped, not touched
        EXPECT_THROW(loading.End(), std::runtime_error);
        EXPECT_TRUE(after->IsLoading());
    }
    EXPECT_FALSE(after->IsLoading());
    EXPECT_EQ(after->FLoadedCount, 0);
    EXPECT_EQ(gLoadedOrder, (std::vector<std::string>{"a", "b"}));
}

TEST(Properties, KindsAndAccessByName) {
    TGroup group;
    group.setObjectName(QStringLiteral("RGAccel"));
    ASSERT_TRUE(SetStrProp(&group, "Caption", QStringLiteral("GL_Acceleration")));
    EXPECT_EQ(group.FCaption, QStringLiteral("GL_Acceleration"));
    ASSERT_TRUE(SetStringListProp(&group, "Items", {"GL_Earth", "GL_Moon"}));
    EXPECT_EQ(GetStringListProp(&group, "Items").value(1), QStringLiteral("GL_Moon"));
    EXPECT_EQ(GetObjectProp(&group, "Settings"), group.FSettings);
    EXPECT_FALSE(SetPropValue(&group, "Ratio", 2.0));  // read-only
    EXPECT_FALSE(SetPropValue(&group, "NoSuch", 2.0));
    EXPECT_FALSE(GetPropValue(&group, "NoSuch").isValid());
    EXPECT_EQ(GetStrProp(&group, "objectName"), QStringLiteral("RGAccel"));

    // inherited properties come first, ours after them, each with its kind
    const QList<TPropInfo> props = PublishedProperties(&group);
    auto kindOf = [&](const char* name) {
        for (const TPropInfo& p : props)
            if (p.Name == name) return p.Kind;
        ADD_FAILURE() << name << " not listed";
        return TPropKind::Other;
    };
    EXPECT_EQ(props.front().Name, QByteArray("objectName"));
    EXPECT_EQ(kindOf("Caption"), TPropKind::String);
    EXPECT_EQ(kindOf("Items"), TPropKind::StringList);
    EXPECT_EQ(kindOf("Settings"), TPropKind::Object);
    EXPECT_EQ(kindOf("Ratio"), TPropKind::Float);
    EXPECT_EQ(kindOf("Style"), TPropKind::Enumeration);
    EXPECT_EQ(kindOf("enabled"), TPropKind::Boolean);  // from QWidget
    EXPECT_EQ(kindOf("geometry"), TPropKind::Other);
    // Qt's own ones are told apart from the component's
    const auto fromQt = [&](const char* name) {
        for (const TPropInfo& p : props)
            if (p.Name == name) return p.FromQt;
        return false;
    };
    EXPECT_TRUE(fromQt("objectName"));
    EXPECT_TRUE(fromQt("windowTitle"));
    EXPECT_FALSE(fromQt("Caption"));
    EXPECT_FALSE(fromQt("Items"));
}

#include "ComponentTest.moc"
