// nphost: a console program that plays the browser for an NPAPI plug-in and prints every answer
// on a line of its own.
//   nphost PLUGIN [--entry-points-first] [COMMAND...]
// Commands (one argument each, words separated by blanks; I is an instance number):
//   new | object I | destroy I | call I NAME [ARG...] | has I NAME | hasprop I NAME | get I NAME
//   set I NAME | remove I NAME | default I | construct I | enumerate I | value I VARIABLE
//   soak INSTANCES CALLS
// ARG is a number or s:TEXT. Without commands: one instance calls the four token methods.
// At the end every instance is destroyed, the plug-in shut down, and leaks are reported.
#include "FakeBrowser.h"

#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Page {
    NPP npp = nullptr;
    NPObject* object = nullptr;
};

class Host {
public:
    explicit Host(FakeBrowser& browser) : m_browser(browser) {}

    void Run(const std::string& command)
    {
        std::istringstream in(command);
        std::vector<std::string> w;
        for (std::string word; in >> word;)
            w.push_back(word);
        if (w.empty())
            return;
        std::printf("%s -> %s\n", command.c_str(), Answer(w).c_str());
        std::fflush(stdout);
    }

    void DestroyAll()
    {
        for (auto& page : m_pages)
            DestroyPage(page.second);
        m_pages.clear();
    }

private:
    std::string Answer(const std::vector<std::string>& w)
    {
        if (w[0] == "new")
            return New();
        if (w[0] == "soak" && w.size() == 3)
            return Soak(std::atoi(w[1].c_str()), std::atoi(w[2].c_str()));
        if (w.size() < 2 || !m_pages.count(std::atoi(w[1].c_str())))
            return "bad command";
        Page& page = m_pages[std::atoi(w[1].c_str())];
        if (w[0] == "destroy") {
            NPError rv = DestroyPage(page);
            m_pages.erase(std::atoi(w[1].c_str()));
            return "error " + std::to_string(rv);
        }
        if (w[0] == "value" && w.size() == 3)
            return Value(page, std::atoi(w[2].c_str()));
        if (w[0] == "object")
            return Object(page);
        if (!page.object && Object(page) != "object")
            return "no object";
        NPClass* cls = page.object->_class;
        NPObject* obj = page.object;
        const char* name = w.size() > 2 ? w[2].c_str() : "";
        NPVariant result = {NPVariantType_Void, {}};
        if (w[0] == "call" && w.size() > 2) {
            std::vector<NPVariant> args;
            for (size_t i = 3; i < w.size(); ++i)
                args.push_back(w[i].compare(0, 2, "s:") == 0 ? FakeBrowser::Str(w[i].c_str() + 2)
                                                             : FakeBrowser::Int(std::atoi(w[i].c_str())));
            bool ok = cls->invoke(obj, FakeBrowser::Id(name), args.data(), static_cast<uint32_t>(args.size()), &result);
            return Result(ok, result);
        }
        if (w[0] == "has")
            return Bool(cls->hasMethod(obj, FakeBrowser::Id(name)));
        if (w[0] == "hasprop")
            return Bool(cls->hasProperty(obj, FakeBrowser::Id(name)));
        if (w[0] == "get")
            return Result(cls->getProperty(obj, FakeBrowser::Id(name), &result), result);
        if (w[0] == "set") {
            NPVariant value = FakeBrowser::Int(1);
            return Bool(cls->setProperty(obj, FakeBrowser::Id(name), &value));
        }
        if (w[0] == "remove")
            return Bool(cls->removeProperty(obj, FakeBrowser::Id(name)));
        if (w[0] == "default")
            return Result(cls->invokeDefault(obj, nullptr, 0, &result), result);
        if (w[0] == "construct")
            return Result(cls->construct(obj, nullptr, 0, &result), result);
        if (w[0] == "enumerate") {
            NPIdentifier* ids = nullptr;
            uint32_t count = 0;
            return Bool(cls->enumerate(obj, &ids, &count));
        }
        return "bad command";
    }

    std::string New()
    {
        NPError rv = 0;
        NPP npp = m_browser.NewInstance(&rv);
        if (!npp)
            return "error " + std::to_string(rv);
        int id = m_next++;
        m_pages[id].npp = npp;
        return "instance " + std::to_string(id);
    }

    std::string Object(Page& page)
    {
        NPError rv = 0;
        NPObject* obj = m_browser.ScriptableObject(page.npp, &rv);
        if (!obj)
            return "error " + std::to_string(rv);
        if (page.object)
            m_browser.Release(page.object); // the host keeps one reference per page
        page.object = obj;
        return "object";
    }

    std::string Value(Page& page, int variable)
    {
        union {
            const char* text;
            NPBool flag;
            NPObject* obj;
            char bytes[16];
        } value = {};
        NPError rv = m_browser.PluginTable().getvalue(page.npp, static_cast<NPPVariable>(variable), &value);
        if (rv != NPERR_NO_ERROR)
            return "error " + std::to_string(rv);
        if (variable == NPPVpluginNameString || variable == NPPVpluginDescriptionString)
            return std::string("text \"") + value.text + "\"";
        if (variable == NPPVpluginScriptableNPObject) {
            m_browser.Release(value.obj);
            return "object";
        }
        return "byte " + std::to_string(static_cast<int>(value.bytes[0]));
    }

    NPError DestroyPage(Page& page)
    {
        if (page.object)
            m_browser.Release(page.object);
        page.object = nullptr;
        return m_browser.Destroy(page.npp);
    }

    std::string Result(bool ok, NPVariant& result)
    {
        std::string text = std::string(ok ? "true " : "false ") + FakeBrowser::Describe(result);
        m_browser.ReleaseValue(result);
        return text;
    }

    static std::string Bool(bool value) { return value ? "true" : "false"; }

    static SIZE_T WorkingSet()
    {
        PROCESS_MEMORY_COUNTERS counters = {};
        counters.cb = sizeof counters;
        GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
        return counters.WorkingSetSize / 1024;
    }

    // Many instances and method calls; prints the leaks and the working set along the way.
    std::string Soak(int instances, int calls)
    {
        const char* methods[] = {"zqGetCount", "zqGetSN", "zqInitToken", "GetVersion"};
        SIZE_T start = WorkingSet(), middle = 0;
        int failures = 0;
        for (int i = 0; i < calls; ++i) {
            if (i % (calls / instances + 1) == 0) {
                DestroyAll();
                New();
            }
            Page& page = m_pages.begin()->second;
            if (!page.object)
                Object(page);
            NPVariant result = {NPVariantType_Void, {}};
            if (!page.object->_class->invoke(page.object, FakeBrowser::Id(methods[i % 4]), nullptr, 0, &result))
                ++failures;
            m_browser.ReleaseValue(result);
            if (i == calls / 2)
                middle = WorkingSet();
        }
        DestroyAll();
        return "calls " + std::to_string(calls) + ", failed " + std::to_string(failures) + ", objects " +
               std::to_string(FakeBrowser::LiveObjects()) + ", buffers " + std::to_string(FakeBrowser::LiveBuffers()) +
               ", working set KiB start " + std::to_string(start) + " middle " + std::to_string(middle) + " end " +
               std::to_string(WorkingSet());
    }

    FakeBrowser& m_browser;
    std::map<int, Page> m_pages;
    int m_next = 0;
};

std::wstring Widen(const char* s)
{
    int n = MultiByteToWideChar(CP_ACP, 0, s, -1, nullptr, 0);
    std::wstring w(n, L'\0');
    MultiByteToWideChar(CP_ACP, 0, s, -1, &w[0], n);
    w.resize(n > 0 ? n - 1 : 0);
    return w;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: nphost PLUGIN [--entry-points-first] [COMMAND...]\n");
        return 2;
    }
    int first = 2;
    auto order = FakeBrowser::Order::InitializeFirst;
    if (argc > 2 && std::string(argv[2]) == "--entry-points-first") {
        order = FakeBrowser::Order::EntryPointsFirst;
        first = 3;
    }
    FakeBrowser browser;
    std::string error;
    if (!browser.Load(Widen(argv[1]), error, order)) {
        std::printf("load -> %s\n", error.c_str());
        return 1;
    }
    std::vector<std::string> commands(argv + first, argv + argc);
    if (commands.empty())
        commands = {"new", "object 0", "call 0 zqGetCount", "call 0 zqGetSN", "call 0 zqInitToken",
                    "call 0 GetVersion", "destroy 0"};
    {
        Host host(browser);
        for (const std::string& command : commands)
            host.Run(command);
        host.DestroyAll();
    }
    browser.Unload();
    std::printf("leaks: objects %d, buffers %d\n", FakeBrowser::LiveObjects(), FakeBrowser::LiveBuffers());
    return FakeBrowser::LiveObjects() || FakeBrowser::LiveBuffers() ? 3 : 0;
}
