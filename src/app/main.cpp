#include "entry.h"

int main(int argc, char* argv[]) {
    return pernoa::ui::runApplication(argc, argv);
}
