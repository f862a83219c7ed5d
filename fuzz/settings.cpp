// The settings file: every key the program reads, and the in-place edit a save makes.
#include "base/Settings.h"
#include "FuzzFile.h"
#include "base/IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = QString::fromStdString(norva::fuzz::AsFile(data, size));
    norva::ReadConfig(path);
    norva::ReadMainGeometry(path);
    norva::ReadChartGeometry(path, "Form5");
    if (auto ini = norva::IniFile::Load(path)) {
        ini->Set("Gauges", "Temp.Max", "800");
        ini->Set("FormSize", "Form1W", " 9400");
        ini->Set("New", "Key", "value");
        (void)ini->Text();
    }
    return 0;
}
