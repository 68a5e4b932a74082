// lumiq-host: a small installer skinned through Lumiq.dll, as an installer
// host loads and uses the plug-in.
//
//   lumiq-host [--close-after MS] [--tour DIR] FOLDER SKIN [WINDOW]
//
// FOLDER stands for "%Presetup%" and holds SKIN.lqs; WINDOW defaults to
// "Setup". --tour walks through the pages by itself and writes a picture of
// each into DIR. The exit code is 0 when the window was skinned.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "host/installer.h"
#include "host/test_host.h"

namespace {

std::string ModuleFolder() {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s = path;
    return s.substr(0, s.find_last_of("\\/") + 1);
}

void Pump(int ms) {
    const DWORD until = GetTickCount() + static_cast<DWORD>(ms);
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(10);
    } while (GetTickCount() < until);
}

// Every page as the user sees it, the progress page half way.
int Tour(lumiq::DemoInstaller& installer, const std::string& dir) {
    using P = lumiq::DemoInstaller;
    const char* names[] = {"1-welcome", "2-licence", "3-options", "4-progress", "5-finish"};
    int failed = 0;
    for (int page = P::Welcome; page < P::PageCount; ++page) {
        installer.Show(static_cast<P::Page>(page));
        if (page == P::Progress) {
            KillTimer(installer.Window(), 1);
            installer.SetProgress(60);
        }
        Pump(300);
        const std::string path = dir + "\\" + names[page] + ".bmp";
        if (!installer.Capture(path)) {
            std::fprintf(stderr, "lumiq-host: cannot write %s\n", path.c_str());
            ++failed;
        }
    }
    return failed;
}

}  // namespace

int main(int argc, char** argv) {
    int closeAfter = 0;
    std::string tourDir;
    int arg = 1;
    while (arg + 1 < argc && argv[arg][0] == '-' && argv[arg][1] == '-') {
        const std::string option = argv[arg];
        if (option == "--close-after") {
            closeAfter = std::atoi(argv[arg + 1]);
        } else if (option == "--tour") {
            tourDir = argv[arg + 1];
        } else {
            break;
        }
        arg += 2;
    }
    if (argc - arg < 2) {
        std::fprintf(stderr,
                     "usage: lumiq-host [--close-after MS] [--tour DIR] FOLDER SKIN [WINDOW]\n");
        return 2;
    }
    const std::string folder = argv[arg], skin = argv[arg + 1];
    const std::string windowName = argc - arg > 2 ? argv[arg + 2] : "Setup";

    lumiq::TestHost host(folder);
    std::string error;
    if (!host.Load(ModuleFolder() + "Lumiq.dll", &error)) {
        std::fprintf(stderr, "lumiq-host: %s\n", error.c_str());
        return 1;
    }
    host.SendHostRecord();
    host.Announce();
    if (!host.SkinInfo()) {
        std::fprintf(stderr, "lumiq-host: the plug-in announced no skin entry points\n");
        return 1;
    }

    int skinned = 0;
    {
        lumiq::DemoInstaller installer;
        skinned = installer.Skin(host, skin, windowName);
        std::printf("SkinWindow(\"%s\", \"%s\") = %d\n", skin.c_str(), windowName.c_str(), skinned);
        installer.Show(lumiq::DemoInstaller::Welcome);
        ShowWindow(installer.Window(), SW_SHOW);
        UpdateWindow(installer.Window());
        std::printf("%s\n", installer.Report().c_str());
        std::fflush(stdout);

        if (!tourDir.empty()) {
            int failed = Tour(installer, tourDir);
            return failed ? 1 : (skinned ? 0 : 3);
        }
        if (closeAfter > 0) {
            // Walk the pages on the way, so every kind of control paints.
            Pump(closeAfter / 2);
            installer.Show(lumiq::DemoInstaller::Options);
            Pump(closeAfter / 2);
            DestroyWindow(installer.Window());
        }
        MSG msg;
        while (IsWindow(installer.Window()) && GetMessageA(&msg, nullptr, 0, 0) > 0) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    host.Unload();
    return skinned ? 0 : 3;
}
