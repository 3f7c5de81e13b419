// The four script methods over the substitute token module, row by row of what a page sees.
#include "PluginHarness.h"

namespace {

const char kSerial8[] = "3132333435363738" "2020202020202020"; // "12345678" and eight blanks

std::string Token(const char* serialHex, unsigned pub = 32768, unsigned priv = 65536)
{
    return std::string(serialHex) + "/" + std::to_string(pub) + "/" + std::to_string(priv);
}

} // namespace

class TokenMethods : public PluginHarness {};

TEST_F(TokenMethods, ModuleAbsentThenInstalledWithoutRestarting)
{
    Start();
    EXPECT_EQ("true int 0", Call("zqGetCount"));
    EXPECT_EQ("true string \"\"", Call("zqGetSN"));
    EXPECT_EQ("true int 400", Call("zqInitToken"));
    EXPECT_FALSE(ModuleLoaded());
    InstallModule();
    SetScenario(("tokens=" + Token(kSerial8)).c_str());
    EXPECT_EQ("true int 1", Call("zqGetCount"));
    EXPECT_EQ("true string \"12345678\"", Call("zqGetSN"));
    EXPECT_EQ("true int 0", Call("zqInitToken"));
}

TEST_F(TokenMethods, AnIncompleteModuleIsReleasedAfterEachAttempt)
{
    InstallModule(L"incomplete");
    Start();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ("true int 0", Call("zqGetCount"));
        EXPECT_EQ("true int 400", Call("zqInitToken"));
        EXPECT_FALSE(ModuleLoaded()) << "a reference to the module was kept";
    }
}

TEST_F(TokenMethods, FailureTable)
{
    struct Row { std::string scenario; const char* count; const char* sn; const char* init; bool moduleKept; };
    const std::string one = "tokens=" + Token(kSerial8);
    const std::string two = "tokens=" + Token(kSerial8) + "," + Token(kSerial8);
    const Row rows[] = {
        {"tokens=", "int 0", "", "int 6", true},
        {two, "int 2", "", "int 6", true},
        {one + ";C_Initialize=5", "int 0", "", "int 400", false},
        {one + ";C_Initialize=0x191", "int 1", "12345678", "int 0", true},
        {one + ";C_GetFunctionList=5", "int 0", "", "int 400", false},
        {one + ";E_GetAuxFunctionList=6", "int 0", "", "int 400", false},
        {one + ";C_GetSlotList=0x30", "int 0", "", "int 48", true},
        {one + ";C_GetTokenInfo=0x32", "int 1", "", "int 50", true},
        {one + ";AuxInitToken=6", "int 1", "12345678", "int 6", true},
        {one + ";AuxInitToken=0x80000001", "int 1", "12345678", "int -2147483647", true},
        {one + ";AuxInitToken=0xE0", "int 1", "12345678", "int 224", true},
    };
    InstallModule();
    Start();
    for (const Row& row : rows) {
        // One module binding serves the whole process, so each row starts from a fresh plug-in.
        browser.Release(object);
        browser.Unload();
        SetScenario(row.scenario.c_str());
        Start();
        EXPECT_EQ(std::string("true ") + row.count, Call("zqGetCount")) << row.scenario;
        EXPECT_EQ("true string \"" + std::string(row.sn) + "\"", Call("zqGetSN")) << row.scenario;
        EXPECT_EQ(std::string("true ") + row.init, Call("zqInitToken")) << row.scenario;
        EXPECT_EQ(row.moduleKept, ModuleLoaded()) << row.scenario;
    }
}

TEST_F(TokenMethods, TwoTokensAreNotTouched)
{
    InstallModule();
    SetScenario(("tokens=" + Token(kSerial8) + "," + Token(kSerial8)).c_str());
    Start();
    EXPECT_EQ("true int 6", Call("zqInitToken"));
    EXPECT_EQ("true string \"\"", Call("zqGetSN"));
    std::string record = ModuleRecord();
    EXPECT_EQ(std::string::npos, record.find("C_GetTokenInfo")) << record;
    EXPECT_EQ(std::string::npos, record.find("AuxInitToken")) << record;
}

TEST_F(TokenMethods, SerialNumbers)
{
    struct Case { const char* hex; const char* expected; };
    const Case cases[] = {
        {"3132333435363738" "2020202020202020", "true string \"12345678\""},
        {"4142434445464748" "494a4b4c4d4e4f50", "true string \"ABCDEFGHIJKLMNOP\""},
        {"2020202020202020" "2020202020202020", "true string \"\""},
        {"41422043" "000000000000000000000000", "true string \"AB C\""},   // ends in NUL bytes
        {"4142000043442020" "2020202020202020", "true string \"AB\""},     // text ends at the first NUL
        {"2041424320202020" "2020202020202020", "true string \" ABC\""},   // only trailing blanks go
    };
    InstallModule();
    Start();
    for (const Case& c : cases) {
        SetScenario(("tokens=" + Token(c.hex)).c_str());
        EXPECT_EQ(c.expected, Call("zqGetSN")) << c.hex;
    }
}

TEST_F(TokenMethods, InitTokenHandsTheModuleTheFixedRecord)
{
    InstallModule();
    SetScenario(("tokens=" + Token(kSerial8, 0x12345678, 0x0A0B0C0D)).c_str());
    Start();
    EXPECT_EQ("true int 0", Call("zqInitToken"));
    std::string record = ModuleRecord();
    std::string expected = std::string("0100") + "00000000" + "00000000" + "00000000" + "00000000" + "00060900" +
                           "78563412" + "0d0c0b0a" + std::string(42, '0');
    EXPECT_NE(std::string::npos,
              record.find("AuxInitToken -> 0x0 slot=11 label=OMRA so=Lumvex user=907158 params=" + expected))
        << record;
    EXPECT_NE(std::string::npos, record.find("C_GetTokenInfo -> 0x0 slot=11")) << record;
}

TEST_F(TokenMethods, ArgumentsAreIgnored)
{
    InstallModule();
    Start();
    NPVariant args[3] = {FakeBrowser::Int(2), FakeBrowser::Str("slot"), FakeBrowser::Int(-1)};
    EXPECT_EQ(Call("zqGetCount"), Call("zqGetCount", args, 3));
    EXPECT_EQ(Call("zqGetSN"), Call("zqGetSN", args, 2));
}

TEST_F(TokenMethods, TheModuleIsFinalisedWhenThePluginUnloads)
{
    InstallModule();
    Start();
    Call("zqGetCount");
    HMODULE module = LoadLibraryW(L"OMRAEnterprise.dll"); // keeps the record readable after unload
    browser.Release(object);
    object = nullptr;
    browser.Unload();
    std::string record = ModuleRecord();
    EXPECT_NE(std::string::npos, record.find("C_Finalize -> 0x0")) << record;
    FreeLibrary(module);
    EXPECT_FALSE(ModuleLoaded());
}

TEST_F(TokenMethods, HostWithoutMemoryFailsTheTextCallCleanly)
{
    InstallModule();
    Start();
    FakeBrowser::FailAllocations(1);
    EXPECT_EQ("false void", Call("zqGetSN"));
    EXPECT_EQ("true string \"KB2026-0001\"", Call("zqGetSN"));
}
