// Dovek14.dll: the small companion library of the sample control.
#include <windows.h>

extern "C" __declspec(dllexport) int DovekVersion()
{
    return 14;
}

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID)
{
    return TRUE;
}
