#include "app/application.h"

int main(int argc, char** argv) {
  return cardwise::app::runApplication(argc, argv);
}
