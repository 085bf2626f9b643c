// What the setup's steps need from the system, made once at start-up and
// handed to every step: the portable logic reaches Windows only through it.
#pragma once

class FileSystem;
class Registry;
class ShortcutWriter;

struct Platform {
    Registry& registry;
    FileSystem& fs;
    ShortcutWriter& shortcuts;
};
