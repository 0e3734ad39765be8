#include <memory>

#include "app/program.h"
#include "platform/web/web_main.h"

int main() {
  return platform::PlayInPage([](core::Host& host) { return std::make_unique<app::Program>(host); });
}
