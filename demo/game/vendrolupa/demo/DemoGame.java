package vendrolupa.demo;

import java.awt.BorderLayout;
import java.awt.Font;
import java.awt.Frame;
import java.awt.GraphicsEnvironment;
import java.awt.TextArea;
import java.awt.event.WindowAdapter;
import java.awt.event.WindowEvent;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.Paths;
import java.nio.file.StandardCopyOption;
import java.util.ArrayList;
import java.util.List;

/**
 * A stand-in game for trying the launcher without any download: it shows what the launcher
 * handed over (arguments, class path, library path, working folder) in a small window when
 * a display is there, and prints it otherwise. A copy goes to demo-game.txt in the working
 * folder.
 */
public final class DemoGame {
    private DemoGame() {}

    public static void main(String[] args) throws Exception {
        List<String> lines = new ArrayList<>();
        lines.add("演示游戏已启动。");
        for (int i = 0; i < args.length; i++) lines.add("参数 " + (i + 1) + ": " + args[i]);
        lines.add("类路径: " + System.getProperty("java.class.path"));
        lines.add("库路径: " + System.getProperty("java.library.path"));
        lines.add("工作目录: " + System.getProperty("user.dir"));
        lines.add(DemoGreeting.text());
        String loader = System.getProperty("vendrolupa.demo.loader");
        if (loader != null) lines.add(loader);
        // Only a version whose JSON carries its own argument lists names the launcher brand.
        if (System.getProperty("minecraft.launcher.brand") != null) lines.addAll(checkOptions(args));
        // Written aside and moved into place, so a reader never sees half of it.
        Path part = Paths.get("demo-game.part").toAbsolutePath();
        Files.write(part, lines, StandardCharsets.UTF_8);
        Files.move(part, Paths.get("demo-game.txt").toAbsolutePath(),
                StandardCopyOption.REPLACE_EXISTING, StandardCopyOption.ATOMIC_MOVE);

        if (!GraphicsEnvironment.isHeadless()) {
            try {
                showWindow(String.join("\n", lines));
                return;
            } catch (Throwable noWindow) {
                // A runtime without a window toolkit (a headless JDK): fall back to printing.
            }
        }
        for (String line : lines) System.out.println(line);
    }

    /** The options the current-format demo version's arguments block names, each with a value. */
    private static final String[] OPTIONS = {
        "--username", "--version", "--gameDir", "--assetsDir", "--assetIndex", "--uuid",
        "--accessToken", "--userType", "--versionType"
    };

    private static List<String> checkOptions(String[] args) throws Exception {
        List<String> lines = new ArrayList<>();
        lines.add("启动器: " + System.getProperty("minecraft.launcher.brand") + " "
                + System.getProperty("minecraft.launcher.version"));
        List<String> given = List.of(args);
        List<String> missing = new ArrayList<>();
        for (String option : OPTIONS) {
            int at = given.indexOf(option);
            if (at < 0 || at + 1 >= args.length || args[at + 1].startsWith("${")) {
                missing.add(option);
            } else {
                lines.add("选项 " + option + " = " + args[at + 1]);
            }
        }
        lines.add(missing.isEmpty() ? "选项齐全。" : "缺少选项: " + String.join(" ", missing));
        Path nativeFile = Paths.get(System.getProperty("java.library.path"), "demo-native.txt");
        lines.add(Files.isRegularFile(nativeFile)
                ? "本地库文件: " + Files.readString(nativeFile, StandardCharsets.UTF_8).trim()
                : "缺少本地库文件: " + nativeFile);
        return lines;
    }

    private static void showWindow(String text) {
        Frame frame = new Frame("Vendrolupa 演示游戏");
        // Tall enough for everything a version with its own argument lists is handed.
        int rows = Math.max(14, Math.min(text.split("\n").length + 5, 44));
        TextArea area = new TextArea(text, rows, 90, TextArea.SCROLLBARS_VERTICAL_ONLY);
        area.setEditable(false);
        area.setFont(new Font(Font.DIALOG, Font.PLAIN, 13));
        frame.add(area, BorderLayout.CENTER);
        frame.addWindowListener(new WindowAdapter() {
            @Override
            public void windowClosing(WindowEvent event) {
                frame.dispose();
                System.exit(0);
            }
        });
        frame.pack();
        frame.setLocationRelativeTo(null);
        frame.setVisible(true);
        String picture = System.getenv("VENDROLUPA_DEMO_SCREENSHOT");
        if (picture != null) new Thread(() -> photograph(frame, picture)).start();
    }

    /** For the documentation: the window as it shows, saved as a PNG picture, then the end. */
    private static void photograph(Frame frame, String picture) {
        try {
            Thread.sleep(1500);
            java.awt.image.BufferedImage image =
                    new java.awt.Robot().createScreenCapture(frame.getBounds());
            Path part = Paths.get(picture + ".part");
            javax.imageio.ImageIO.write(image, "png", part.toFile());
            Files.move(part, Paths.get(picture), StandardCopyOption.REPLACE_EXISTING);
        } catch (Exception failed) {
            failed.printStackTrace();
        }
        System.exit(0);
    }
}
