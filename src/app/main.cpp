#include <memory>

#include "app/program.h"
#include "platform/desktop_main.h"

int main(int argc, char** argv) {
  return platform::PlayOnDesktop(argc, argv, [](core::Host& host) { return std::make_unique<app::Program>(host); });
}
