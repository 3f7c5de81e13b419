// The plug-in's entry points, instances and scriptable object as a browser sees them.
#include "PluginHarness.h"

#include <cstring>

class Frame : public PluginHarness {};

TEST_F(Frame, EitherStartOrderWorks)
{
    InstallModule();
    for (auto order : {FakeBrowser::Order::InitializeFirst, FakeBrowser::Order::EntryPointsFirst}) {
        if (object)
            browser.Release(object);
        browser.Unload();
        Start(order);
        EXPECT_EQ("true int 1", Call("zqGetCount"));
    }
}

TEST_F(Frame, PluginTableKeepsTheHostsOtherFields)
{
    Start(FakeBrowser::Order::InitializeFirst, false);
    const NPPluginFuncs& f = browser.PluginTable();
    EXPECT_EQ(sizeof(NPPluginFuncs), f.size);
    EXPECT_EQ(nullptr, f.javaClass);
    EXPECT_EQ(nullptr, f.gotfocus);
    NPP npp = browser.NewInstance();
    ASSERT_NE(nullptr, npp);
    EXPECT_EQ(NPERR_NO_ERROR, f.setwindow(npp, nullptr));
    uint16_t stype = 77;
    EXPECT_EQ(NPERR_NO_ERROR, f.newstream(npp, nullptr, nullptr, 0, &stype));
    EXPECT_EQ(77, stype);
    EXPECT_EQ(0, f.writeready(npp, nullptr));
    EXPECT_EQ(0, f.write(npp, nullptr, 0, 10, nullptr));
    EXPECT_EQ(0, f.event(npp, nullptr));
    EXPECT_EQ(NPERR_NO_ERROR, f.setvalue(npp, 0, nullptr));
}

TEST_F(Frame, GetValueAnswers)
{
    Start(FakeBrowser::Order::InitializeFirst, false);
    NPP npp = browser.NewInstance();
    const NPPluginFuncs& f = browser.PluginTable();
    const char* text = nullptr;
    EXPECT_EQ(NPERR_NO_ERROR, f.getvalue(npp, NPPVpluginNameString, &text));
    EXPECT_STREQ("REVuzaduzIvar", text);
    EXPECT_EQ(NPERR_NO_ERROR, f.getvalue(npp, NPPVpluginDescriptionString, &text));
    EXPECT_STREQ("NPRuntime scriptability API test plugin", text);
    NPBool flag = 0;
    EXPECT_EQ(NPERR_NO_ERROR, f.getvalue(npp, NPPVpluginNeedsXEmbed, &flag));
    EXPECT_EQ(1, flag);
    for (NPPVariable v : {NPPVpluginWindowBool, NPPVpluginTransparentBool, static_cast<NPPVariable>(99)}) {
        uint32_t untouched = 0xABCDABCD;
        EXPECT_EQ(NPERR_GENERIC_ERROR, f.getvalue(npp, v, &untouched)) << v;
        EXPECT_EQ(0xABCDABCDu, untouched);
    }
    EXPECT_EQ(NPERR_INVALID_INSTANCE_ERROR, f.getvalue(nullptr, NPPVpluginNameString, &text));
    NPP_t bare = {nullptr, nullptr};
    EXPECT_EQ(NPERR_GENERIC_ERROR, f.getvalue(&bare, NPPVpluginNameString, &text));
}

TEST_F(Frame, InstanceLifecycle)
{
    Start(FakeBrowser::Order::InitializeFirst, false);
    const NPPluginFuncs& f = browser.PluginTable();
    EXPECT_EQ(NPERR_INVALID_INSTANCE_ERROR, f.newp(nullptr, nullptr, 1, 0, nullptr, nullptr, nullptr));
    EXPECT_EQ(NPERR_INVALID_INSTANCE_ERROR, f.destroy(nullptr, nullptr));
    NPP_t bare = {nullptr, nullptr};
    EXPECT_EQ(NPERR_NO_ERROR, f.destroy(&bare, nullptr));
    NPP npp = browser.NewInstance();
    ASSERT_NE(nullptr, npp);
    EXPECT_NE(nullptr, npp->pdata);
    EXPECT_EQ(NPERR_NO_ERROR, browser.Destroy(npp)); // never asked for an object: nothing to release
    EXPECT_EQ(0, FakeBrowser::LiveObjects());
}

TEST_F(Frame, TheSameObjectWithAReferenceForEachAnswer)
{
    Start(FakeBrowser::Order::InitializeFirst, false);
    NPP npp = browser.NewInstance();
    NPObject* first = browser.ScriptableObject(npp);
    NPObject* second = browser.ScriptableObject(npp);
    ASSERT_NE(nullptr, first);
    EXPECT_EQ(first, second);
    EXPECT_EQ(3u, first->referenceCount); // the instance's and two of the host's
    browser.Release(first);
    browser.Release(second);
    EXPECT_EQ(1, FakeBrowser::LiveObjects());
    browser.Destroy(npp);
    EXPECT_EQ(0, FakeBrowser::LiveObjects());
}

TEST_F(Frame, ShutdownTwiceIsHarmless)
{
    Start(FakeBrowser::Order::InitializeFirst, false);
    auto shutdown = reinterpret_cast<NP_ShutdownFunc>(reinterpret_cast<void*>(GetProcAddress(browser.Module(), "NP_Shutdown")));
    EXPECT_EQ(NPERR_NO_ERROR, shutdown());
    EXPECT_EQ(NPERR_NO_ERROR, shutdown());
}

class Bridge : public PluginHarness {};

TEST_F(Bridge, OnlyTheFourMethodsExist)
{
    Start();
    NPClass* cls = object->_class;
    for (const char* name : {"zqGetCount", "zqGetSN", "zqInitToken", "GetVersion"})
        EXPECT_TRUE(cls->hasMethod(object, FakeBrowser::Id(name))) << name;
    for (const char* name : {"zqgetcount", "ZQGETSN", "getVersion", "toString", ""}) {
        EXPECT_FALSE(cls->hasMethod(object, FakeBrowser::Id(name))) << name;
        EXPECT_EQ("false void", Call(name)) << name;
    }
}

TEST_F(Bridge, NoPropertiesNoDefaultNoConstructor)
{
    Start();
    NPClass* cls = object->_class;
    NPIdentifier name = FakeBrowser::Id("zqGetCount");
    NPVariant result = {NPVariantType_Void, {}};
    NPVariant value = FakeBrowser::Int(1);
    EXPECT_FALSE(cls->hasProperty(object, name));
    EXPECT_FALSE(cls->getProperty(object, name, &result));
    EXPECT_FALSE(cls->setProperty(object, name, &value));
    EXPECT_FALSE(cls->removeProperty(object, name));
    EXPECT_FALSE(cls->invokeDefault(object, nullptr, 0, &result));
    EXPECT_FALSE(cls->construct(object, nullptr, 0, &result));
    NPIdentifier* ids = nullptr;
    uint32_t count = 0;
    EXPECT_FALSE(cls->enumerate(object, &ids, &count));
    EXPECT_EQ(NPVariantType_Void, result.type);
    EXPECT_EQ(NP_CLASS_STRUCT_VERSION_CTOR, cls->structVersion);
    cls->invalidate(object);
    EXPECT_EQ("true int 0", Call("zqGetCount")); // still callable; no module is installed here
}

TEST_F(Bridge, InstancesHaveTheirOwnObjectsOverOneToken)
{
    InstallModule();
    Start();
    NPObject* other = NewObject();
    ASSERT_NE(nullptr, other);
    EXPECT_NE(object, other);
    EXPECT_EQ("true int 1", Call("zqGetCount"));
    EXPECT_EQ("true int 1", Call(other, "zqGetCount"));
    browser.Release(other);
    // The module was bound once for both.
    std::string record = ModuleRecord();
    EXPECT_EQ(record.find("C_Initialize"), record.rfind("C_Initialize")) << record;
}

TEST_F(Bridge, ALaterObjectReusesTheTokenImplementation)
{
    InstallModule();
    Start(FakeBrowser::Order::InitializeFirst, false);
    NPP npp = browser.NewInstance();
    NPObject* first = browser.ScriptableObject(npp);
    EXPECT_EQ("true int 1", Call(first, "zqGetCount"));
    browser.Release(first);
    browser.Destroy(npp);
    EXPECT_EQ(0, FakeBrowser::LiveObjects());
    object = NewObject();
    EXPECT_EQ("true string \"KB2026-0001\"", Call("zqGetSN"));
    std::string record = ModuleRecord();
    EXPECT_EQ(record.find("C_Initialize"), record.rfind("C_Initialize")) << record;
}

TEST_F(Bridge, ObjectCreationFailureIsAGenericErrorAndTriedAgain)
{
    Start(FakeBrowser::Order::InitializeFirst, false);
    auto initialize = reinterpret_cast<NP_InitializeFunc>(reinterpret_cast<void*>(GetProcAddress(browser.Module(), "NP_Initialize")));
    NPN_CreateObjectProcPtr real = browser.HostTable().createobject;
    // A second NP_Initialize copies the host's table again.
    browser.HostTable().createobject = [](NPP, NPClass*) -> NPObject* { return nullptr; };
    ASSERT_EQ(NPERR_NO_ERROR, initialize(&browser.HostTable()));
    NPP npp = browser.NewInstance();
    NPError rv = 0;
    EXPECT_EQ(nullptr, browser.ScriptableObject(npp, &rv));
    EXPECT_EQ(NPERR_GENERIC_ERROR, rv);
    browser.HostTable().createobject = real;
    initialize(&browser.HostTable());
    object = browser.ScriptableObject(npp, &rv);
    EXPECT_NE(nullptr, object);
    EXPECT_EQ(NPERR_NO_ERROR, rv);
}
