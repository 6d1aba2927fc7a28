#include "app/startup.h"

int main(int argc, char** argv) {
    return rumbelo::runProgram(argc, argv);
}
