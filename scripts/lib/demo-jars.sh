# Sourced by the demo scripts. build_demo_jars <folder>: compiles demo/ with javac into
# <folder>/game.jar (the stand-in game, main class vendrolupa.demo.DemoGame),
# <folder>/library.jar (its one library, vendrolupa.demo:demo-greeting:1.0) and
# <folder>/loader.jar (the demo profile's loader, main class vendrolupa.demo.DemoLoader).
build_demo_jars() {
  local out=$1 classes
  classes=$(mktemp -d)
  javac -encoding UTF-8 -d "$classes/library" demo/library/vendrolupa/demo/*.java
  javac -encoding UTF-8 -cp "$classes/library" -d "$classes/game" demo/game/vendrolupa/demo/*.java
  javac -encoding UTF-8 -cp "$classes/game" -d "$classes/loader" demo/loader/vendrolupa/demo/*.java
  jar cf "$out/library.jar" -C "$classes/library" .
  jar cf "$out/game.jar" -C "$classes/game" .
  jar cf "$out/loader.jar" -C "$classes/loader" .
  rm -rf "$classes"
}
