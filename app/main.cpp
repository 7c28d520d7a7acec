#include "ProductInformations.h"
#include "Startup.h"

// The product's identity exists before the main routine runs, and is destroyed (saving the local configuration)
// after it has returned.
static ProductInformations gProductInformations;

int main(int argc, char** argv) {
    return RunApplication(argc, argv);
}
