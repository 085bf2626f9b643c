// The product's default settings file as the sample product carries it: the
// real file's keys and values at the real file's size. The tests take it as
// the file a package brings, so that what they merge into is what ships.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "settings/HexEncode.h"

// The real default file's size in bytes.
inline constexpr std::size_t kDefaultSettingsBytes = 527;

// Its lines, without their line ends. LastPath and Recents are hex-encoded
// text (a folder and a list of recent projects); the list is cut so that the
// file has the real one's size.
inline std::vector<std::string> DefaultSettingsLines() {
    std::vector<std::string> lines = {
        "[App]",
        "Language=EN-US",
        "FirstOpen=false",
        "UpdateUrl=",
        "LastPath=" + HexEncode("C:\\Program Files\\Quillmark"),
        "Recents=",
        "[Communication]",
        "Device=5",
        "IpString=192.168.1.98",
        "SerialCommPort=COM15",
        "SerialCommSpeed=9600",
        "Address=2",
        "Rack=0",
        "Slot=2",
        "[Get]",
        "GetFileName=C:\\Documents and Settings\\Administrator\\test01.qkmem",
        "Area=3",
        "Db=2",
        "Start=0",
        "Length=92",
    };
    std::size_t bytes = 0;  // line ends included, the list not yet
    for (const std::string& line : lines) bytes += line.size() + 2;
    std::string recents =
        "C:\\Quillmark\\Projects\\Line1.qkprj|C:\\Quillmark\\Projects\\Press.qkprj|"
        "D:\\Plant\\Mixer.qkprj";
    while (bytes + HexEncode(recents).size() > kDefaultSettingsBytes && !recents.empty())
        recents.pop_back();
    lines[5] += HexEncode(recents);
    return lines;
}

// The whole file, each line ended by CR LF.
inline std::string DefaultSettingsFile() {
    std::string bytes;
    for (const std::string& line : DefaultSettingsLines()) bytes += line + "\r\n";
    return bytes;
}
