#include "LuaLexer.h"

LuaLexer::LuaLexer(QObject* parent) : QsciLexerLua(parent) {}

const char* LuaLexer::keywords(int set) const
{
    switch (set) {
    case 1:
        return "and break do else elseif end false for function if in local nil not or repeat return then "
               "true until while";
    case 2:
        return "_G _VERSION assert collectgarbage dofile error getfenv getmetatable ipairs load loadfile "
               "loadstring module next pairs pcall print rawequal rawget rawset require select setfenv "
               "setmetatable tonumber tostring type unpack xpcall "
               "coroutine debug io math os package string table";
    case 3:
        return "string.byte string.char string.dump string.find string.format string.gmatch string.gsub "
               "string.len string.lower string.match string.rep string.reverse string.sub string.upper "
               "table.concat table.insert table.maxn table.remove table.sort "
               "math.abs math.acos math.asin math.atan math.atan2 math.ceil math.cos math.cosh math.deg "
               "math.exp math.floor math.fmod math.frexp math.huge math.ldexp math.log math.log10 math.max "
               "math.min math.modf math.pi math.pow math.rad math.random math.randomseed math.sin math.sinh "
               "math.sqrt math.tan math.tanh";
    case 4:
        return "coroutine.create coroutine.resume coroutine.running coroutine.status coroutine.wrap "
               "coroutine.yield "
               "io.close io.flush io.input io.lines io.open io.output io.popen io.read io.stderr io.stdin "
               "io.stdout io.tmpfile io.type io.write "
               "os.clock os.date os.difftime os.execute os.exit os.getenv os.remove os.rename os.setlocale "
               "os.time os.tmpname "
               "package.cpath package.loaded package.loaders package.loadlib package.path package.preload "
               "package.seeall "
               "debug.debug debug.getfenv debug.gethook debug.getinfo debug.getlocal debug.getmetatable "
               "debug.getregistry debug.getupvalue debug.setfenv debug.sethook debug.setlocal "
               "debug.setmetatable debug.setupvalue debug.traceback";
    default:
        return nullptr;
    }
}
