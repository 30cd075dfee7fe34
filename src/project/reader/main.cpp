// quillet-config-reader: runs a game's config.lua and build.settings in a bare Lua 5.1 state and
// prints what they set, one JSON line per file. Quillet starts it as a child process and kills
// it when it takes too long, so that no game file can stop, crash or reach past Quillet.
//
//   quillet-config-reader FOLDER PIXEL_WIDTH PIXEL_HEIGHT PLATFORM MODEL

extern "C" {
#include <lauxlib.h>
#include <lua.h>
#include <lualib.h>
}

#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#define READER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define READER_ASAN 1
#endif
#endif

namespace {

constexpr size_t memoryLimit = 64u << 20; // for Lua's own allocations
constexpr long fileLimit = 1 << 20;       // larger files are no configuration
constexpr size_t messageLimit = 400;      // bytes of an error message passed on

struct Device
{
    lua_Number pixelWidth = 320;
    lua_Number pixelHeight = 480;
    std::string platform = "ios";
    std::string model;
};

size_t used = 0;

void* limitedAlloc(void*, void* block, size_t oldSize, size_t newSize)
{
    if (newSize == 0) {
        std::free(block);
        used -= oldSize;
        return nullptr;
    }
    if (newSize > oldSize && newSize - oldSize > memoryLimit - std::min(used, memoryLimit))
        return nullptr; // Lua raises "not enough memory"
    void* grown = std::realloc(block, newSize);
    if (grown)
        used = used - oldSize + newSize;
    return grown;
}

void limitProcess()
{
    // A second guard behind the parent's clock, in case the parent is gone.
    const rlimit cpu{3, 4};
    setrlimit(RLIMIT_CPU, &cpu);
    const rlimit none{0, 0};
    setrlimit(RLIMIT_CORE, &none);
#ifndef READER_ASAN
    // The address sanitizer reserves terabytes of shadow memory up front.
    const rlimit address{512u << 20, 512u << 20};
    setrlimit(RLIMIT_AS, &address);
#endif
}

// JSON text of bytes that should be UTF-8; broken sequences become U+FFFD.
std::string jsonString(const std::string& bytes)
{
    std::string out = "\"";
    size_t i = 0;
    while (i < bytes.size()) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x80) {
            if (c == '"' || c == '\\') {
                out += '\\';
                out += char(c);
            } else if (c < 0x20 || c == 0x7f) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                out += escaped;
            } else {
                out += char(c);
            }
            ++i;
            continue;
        }
        const size_t length = c >= 0xf0 && c <= 0xf4 ? 4 : c >= 0xe0 ? 3 : c >= 0xc2 && c < 0xe0 ? 2 : 0;
        bool valid = length > 0 && i + length <= bytes.size();
        for (size_t k = 1; valid && k < length; ++k)
            valid = (static_cast<unsigned char>(bytes[i + k]) & 0xc0) == 0x80;
        if (valid) {
            out.append(bytes, i, length);
            i += length;
        } else {
            out += "\\ufffd";
            ++i;
        }
    }
    return out + "\"";
}

std::string jsonNumber(lua_Number value)
{
    if (!std::isfinite(value))
        return "null";
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

// What lua_tointeger makes of a value, truncated towards zero on every machine.
std::string jsonWhole(lua_State* L, int index)
{
    const lua_Number value = lua_tonumber(L, index);
    if (!std::isfinite(value))
        return "0";
    return jsonNumber(std::trunc(std::clamp<lua_Number>(value, -2147483648.0, 2147483647.0)));
}

std::string jsonText(lua_State* L, int index)
{
    const int type = lua_type(L, index);
    if (type != LUA_TSTRING && type != LUA_TNUMBER)
        return "null";
    size_t length = 0;
    const char* text = lua_tolstring(L, index, &length);
    return jsonString(std::string(text, std::min<size_t>(length, messageLimit)));
}

int noPrint(lua_State*)
{
    return 0;
}

int getInfo(lua_State* L)
{
    const Device* device = static_cast<const Device*>(lua_touserdata(L, lua_upvalueindex(1)));
    const char* key = luaL_checkstring(L, 1);
    if (std::strcmp(key, "platform") == 0)
        lua_pushstring(L, device->platform == "android" ? "android" : "ios");
    else if (std::strcmp(key, "environment") == 0)
        lua_pushstring(L, "simulator");
    else if (std::strcmp(key, "model") == 0)
        lua_pushstring(L, device->model.c_str());
    else
        lua_pushnil(L);
    return 1;
}

void clearField(lua_State* L, const char* table, const char* field)
{
    lua_getglobal(L, table);
    if (lua_istable(L, -1)) {
        lua_pushnil(L);
        lua_setfield(L, -2, field);
    }
    lua_pop(L, 1);
}

// Base library, string, table and math; of os only the clock and the calendar.
void openSandbox(lua_State* L, Device* device)
{
    const std::pair<const char*, lua_CFunction> libraries[] = {{"", luaopen_base},
                                                               {LUA_STRLIBNAME, luaopen_string},
                                                               {LUA_TABLIBNAME, luaopen_table},
                                                               {LUA_MATHLIBNAME, luaopen_math},
                                                               {LUA_OSLIBNAME, luaopen_os}};
    for (const auto& [name, open] : libraries) {
        lua_pushcfunction(L, open);
        lua_pushstring(L, name);
        lua_call(L, 1, 0);
    }
    for (const char* name : {"dofile", "loadfile", "load", "loadstring", "require", "getfenv", "setfenv",
                             "newproxy", "collectgarbage", "module", "gcinfo"}) {
        lua_pushnil(L);
        lua_setglobal(L, name);
    }
    // A config that prints must not spoil the answer on standard output.
    lua_pushcfunction(L, noPrint);
    lua_setglobal(L, "print");
    clearField(L, "string", "dump");
    lua_newtable(L);
    lua_getglobal(L, "os");
    for (const char* name : {"time", "date", "clock"}) {
        lua_getfield(L, -1, name);
        lua_setfield(L, -3, name);
    }
    lua_pop(L, 1);
    lua_setglobal(L, "os");

    lua_newtable(L);
    lua_pushnumber(L, device->pixelWidth);
    lua_setfield(L, -2, "pixelWidth");
    lua_pushnumber(L, device->pixelHeight);
    lua_setfield(L, -2, "pixelHeight");
    lua_setglobal(L, "display");
    lua_newtable(L);
    lua_pushlightuserdata(L, device);
    lua_pushcclosure(L, getInfo, 1);
    lua_setfield(L, -2, "getInfo");
    lua_setglobal(L, "system");
}

enum class Load
{
    Missing,
    Failed,
    Ran
};

// Loads and runs a file as text; on failure message holds why.
Load runFile(lua_State* L, const std::string& path, const char* name, std::string* message)
{
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return Load::Missing;
    std::string text;
    char buffer[65536];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0 && long(text.size()) <= fileLimit)
        text.append(buffer, got);
    const bool broken = std::ferror(file) != 0;
    std::fclose(file);
    if (broken) {
        *message = "cannot be read";
        return Load::Failed;
    }
    if (long(text.size()) > fileLimit) {
        *message = "larger than 1 MB";
        return Load::Failed;
    }
    // Precompiled chunks can crash Lua 5.1.
    if (!text.empty() && text[0] == LUA_SIGNATURE[0]) {
        *message = "precompiled Lua is refused; only Lua text is read";
        return Load::Failed;
    }
    const std::string chunk = std::string("=") + name;
    int status = luaL_loadbuffer(L, text.data(), text.size(), chunk.c_str());
    if (status == 0)
        status = lua_pcall(L, 0, 0, 0);
    if (status != 0) {
        size_t length = 0;
        const char* text = lua_tolstring(L, -1, &length);
        *message = text ? std::string(text, std::min(length, messageLimit)) : "error object is not a string";
        lua_pop(L, 1);
        return Load::Failed;
    }
    return Load::Ran;
}

// Pushes t[key] for the table at index, or nil when it is no table; metamethods may fail.
int pushField(lua_State* L, int index, const char* key)
{
    if (!lua_istable(L, index)) {
        lua_pushnil(L);
        return 0;
    }
    lua_getfield(L, index, key);
    return 0;
}

int describeConfig(lua_State* L)
{
    std::string* out = static_cast<std::string*>(lua_touserdata(L, 1));
    lua_getglobal(L, "application");
    const bool application = lua_istable(L, -1);
    pushField(L, -1, "content");
    const int content = lua_gettop(L);
    *out += std::string(",\"application\":") + (application ? "true" : "false");
    *out += std::string(",\"content\":") + (lua_istable(L, content) ? "true" : "false");
    if (!lua_istable(L, content))
        return 0;
    for (const char* key : {"width", "height", "graphicsCompatibility"}) {
        lua_getfield(L, content, key);
        *out += std::string(",\"") + key + "\":" + jsonWhole(L, -1);
        lua_pop(L, 1);
    }
    for (const char* key : {"scale", "xAlign", "yAlign"}) {
        lua_getfield(L, content, key);
        *out += std::string(",\"") + key + "\":" + jsonText(L, -1);
        lua_pop(L, 1);
    }
    lua_getfield(L, content, "imageSuffix");
    *out += ",\"imageSuffix\":[";
    if (lua_istable(L, -1)) {
        int count = 0;
        lua_pushnil(L);
        while (lua_next(L, -2) != 0 && count < 64) {
            if (lua_type(L, -2) == LUA_TSTRING && lua_type(L, -1) == LUA_TNUMBER) {
                *out += std::string(count++ ? "," : "") + "[" + jsonText(L, -2) + "," +
                        jsonNumber(lua_tonumber(L, -1)) + "]";
            }
            lua_pop(L, 1);
        }
    }
    *out += "]";
    return 0;
}

int describeBuild(lua_State* L)
{
    std::string* out = static_cast<std::string*>(lua_touserdata(L, 1));
    lua_getglobal(L, "settings");
    pushField(L, -1, "orientation");
    pushField(L, -1, "default");
    *out += ",\"orientation\":" + jsonText(L, -1);
    return 0;
}

void report(lua_State* L, const std::string& folder, const char* name, lua_CFunction describe)
{
    std::string line = std::string("{\"file\":") + jsonString(name);
    std::string message;
    switch (runFile(L, folder + "/" + name, name, &message)) {
    case Load::Missing:
        line += ",\"status\":\"missing\"";
        break;
    case Load::Failed:
        line += ",\"status\":\"error\",\"message\":" + jsonString(message);
        break;
    case Load::Ran: {
        std::string values;
        lua_pushcfunction(L, describe);
        lua_pushlightuserdata(L, &values);
        if (lua_pcall(L, 1, 0, 0) != 0) {
            const char* text = lua_tostring(L, -1);
            line +=
                ",\"status\":\"error\",\"message\":" +
                jsonString(text ? std::string(text).substr(0, messageLimit) : "error object is not a string");
            lua_pop(L, 1);
        } else {
            line += ",\"status\":\"ok\"" + values;
        }
        break;
    }
    }
    line += "}\n";
    std::fputs(line.c_str(), stdout);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 6) {
        std::fputs("usage: quillet-config-reader FOLDER PIXEL_WIDTH PIXEL_HEIGHT PLATFORM MODEL\n", stderr);
        return 2;
    }
    limitProcess();
    Device device;
    device.pixelWidth = std::strtod(argv[2], nullptr);
    device.pixelHeight = std::strtod(argv[3], nullptr);
    device.platform = argv[4];
    device.model = argv[5];
    const std::string folder = argv[1];
    // Each file gets a fresh state: config.lua sees nothing build.settings left behind. The
    // shorter file goes first, so that its answer is out before a config.lua that never ends.
    for (const auto& [name, describe] :
         {std::pair<const char*, lua_CFunction>{"build.settings", describeBuild},
          {"config.lua", describeConfig}}) {
        used = 0;
        lua_State* L = lua_newstate(limitedAlloc, nullptr);
        if (!L)
            return 1;
        openSandbox(L, &device);
        report(L, folder, name, describe);
        lua_close(L);
    }
    return 0;
}
