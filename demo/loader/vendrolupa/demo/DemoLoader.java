package vendrolupa.demo;

/**
 * The demo profile's main class, in a library of its own: a stand-in for a mod loader that
 * says it ran and hands over to the game found on the class path.
 */
public final class DemoLoader {
    private DemoLoader() {}

    public static void main(String[] args) throws Exception {
        System.setProperty("vendrolupa.demo.loader",
                "演示加载器已启动 (" + System.getProperty("vendrolupa.loader") + ")");
        DemoGame.main(args);
    }
}
