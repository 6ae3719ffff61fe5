#include "ui/app/Program.h"

int main(int argc, char* argv[]) {
    return cssbinder::RunProgram(argc, argv);
}
