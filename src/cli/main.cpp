#include "cli.h"

#include <iostream>

int main(int argc, char* argv[])
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h" || args[0] == "help")) {
        std::cout << usage();
        return 0;
    }
    Clioptions options;
    std::string error;
    if (!parseoptions(args, options, error)) {
        std::cerr << "mathtuvo-cli: " << error << "\n" << usage();
        return 2;
    }
    if (options.command == "drill")
        return rundrill(options, std::cin, std::cout);
    return runworksheet(options, std::cout, std::cerr);
}
