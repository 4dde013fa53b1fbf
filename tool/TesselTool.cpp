// The editor's command-line companion: checks, repairs, draws and compares scenarios with the
// editor's own loading, repair, saving and drawing code, without opening the editor.
//
//   tessel_tool check [--json] <scenario folder>...
//   tessel_tool repair [--json] <scenario folder>...
//   tessel_tool picture [--show <layers>] <scenario folder> <area> <picture.png>
//   tessel_tool picture [--show <layers>] <scenario folder> all <folder>
//   tessel_tool overview <scenario folder> <picture.png>
//   tessel_tool diff [--json] <old> <new>          two map files or two scenario folders
//
// Exit status: 0 clean or equal, 1 something found or different, 2 an error.
#include <cstdio>
#include <string>
#include <vector>

#include "framework/base/HText.h"
#include "tool/TCCommand.h"
#include "tool/TCPicture.h"

namespace {

const char* const kUsage =
    "usage: tessel_tool <command> [options] <arguments>\n"
    "  check [--json] <scenario folder>...    list what the editor's load and repair would change\n"
    "  repair [--json] <scenario folder>...   save those changes, then check again\n"
    "  diff [--json] <old> <new>              compare two map files or two scenario folders\n"
    "  picture [--show <layers>] <scenario folder> <area> <file.png>\n"
    "  picture [--show <layers>] <scenario folder> all <folder>\n"
    "                                         draw a map (or all) as the editor does; layers:\n"
    "                                         chips, objects, placement, grid, chip-numbers,\n"
    "                                         object-numbers, orders, heights or all\n"
    "  overview <scenario folder> <file.png>  draw every area's map and the group links\n"
    "exit status: 0 clean or equal, 1 findings or differences, 2 error\n";

// A path as the system takes it: backslashes, and no separator at the end except a drive's
// root. A slash is never the second byte of a double-byte character, a backslash may be.
std::string systemPath(std::string path)
{
    for (char& c : path) {
        c = c == '/' ? '\\' : c;
    }
    for (;;) {
        bool separator = false;
        for (size_t i = 0; i < path.size(); ++i) {
            if (HText::isDoubleByte(path.data(), path.size(), i)) {
                separator = false;
                ++i;
            } else {
                separator = path[i] == '\\';
            }
        }
        bool root = path.size() == 3 && path[1] == ':';
        if (!separator || path.size() <= 1 || root) {
            return path;
        }
        path.pop_back();
    }
}

int fail(const std::string& message)
{
    fprintf(stderr, "tessel_tool: %s\n%s", message.c_str(), kUsage);
    return TCCommand::STATUS_ERROR;
}

void print(const std::string& out, const std::string& err)
{
    fputs(out.c_str(), stdout);
    size_t start = 0;
    while (start < err.size()) {
        size_t end = err.find('\n', start);
        end = end == std::string::npos ? err.size() : end;
        fprintf(stderr, "tessel_tool: %s\n", err.substr(start, end - start).c_str());
        start = end + 1;
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        return fail("no command");
    }
    std::string command = argv[1];
    bool json = false;
    uint32_t layers = TCPicture::DEFAULT_LAYERS;
    std::vector<std::string> arguments;
    for (int i = 2; i < argc; ++i) {
        std::string argument = argv[i];
        std::string error;
        if (argument == "--json") {
            json = true;
        } else if (argument == "--show") {
            if (i + 1 == argc || !TCPicture::parseLayers(argv[++i], &layers, &error)) {
                return fail(error.empty() ? "--show: no layers" : "--show: " + error);
            }
        } else if (argument.size() > 1 && argument[0] == '-') {
            return fail("unknown option " + argument);
        } else {
            arguments.push_back(systemPath(argument));
        }
    }

    std::string out;
    std::string err;
    int status;
    if (command == "check" || command == "repair") {
        if (arguments.empty()) {
            return fail(command + ": no scenario folder");
        }
        status = command == "check" ? TCCommand::check(arguments, json, &out, &err)
                                    : TCCommand::repair(arguments, json, &out, &err);
    } else if (command == "diff") {
        if (arguments.size() != 2) {
            return fail("diff: two map files or two scenario folders");
        }
        status = TCCommand::diff(arguments[0], arguments[1], json, &out, &err);
    } else if (command == "picture") {
        if (arguments.size() != 3) {
            return fail("picture: a scenario folder, an area number (or all) and a PNG file (or folder)");
        }
        status = TCCommand::picture(arguments[0], arguments[1], arguments[2], layers, &out, &err);
    } else if (command == "overview") {
        if (arguments.size() != 2) {
            return fail("overview: a scenario folder and a PNG file");
        }
        status = TCCommand::overview(arguments[0], arguments[1], &out, &err);
    } else if (command == "help" || command == "--help" || command == "-h") {
        fputs(kUsage, stdout);
        return TCCommand::STATUS_CLEAN;
    } else {
        return fail("unknown command " + command);
    }
    print(out, err);
    return status;
}
