package vendrolupa.demo;

/** The demo version's one library: the game loads it through the class path. */
public final class DemoGreeting {
    private DemoGreeting() {}

    public static String text() {
        return "演示库已从类路径载入 (demo-greeting-1.0.jar)";
    }
}
