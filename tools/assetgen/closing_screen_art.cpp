// The closing share screen: wdata\config.ini with its background, button
// pictures and link files, and play.url; every link leads to the publisher's
// site, whose address the build gives.
#include <string>

#include "tools/assetgen/button_painter.h"
#include "tools/assetgen/generators.h"
#include "tools/assetgen/theme.h"
#include "tools/assetgen/toy_painter.h"

namespace assetgen {

namespace {

struct Rect {
    int left, top, width, height;  // layout pixels of the 800 x 600 screen
    std::string Line() const {
        return std::to_string(left) + " " + std::to_string(top) + " " + std::to_string(width) + " " +
               std::to_string(height) + "\n";
    }
};

const Rect kSite{70, 400, 300, 76};
const Rect kMore{430, 400, 300, 76};
const Rect kExit{290, 500, 220, 64};

void WriteButton(GeneratorContext& context, const std::string& path, const Rect& rect,
                 const std::string& label, ButtonColour colour, bool lit) {
    Canvas canvas(rect.width, rect.height);
    PaintButtonFace(canvas, context.fonts, {4, 4, rect.width - 8.0, rect.height - 8.0}, label, colour, lit);
    context.out.Write(path, canvas.EncodePng());
    context.preview.Add("Closing screen", path.substr(6), canvas);
}

std::string LinkPage(const std::string& url) {
    return "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">\n"
           "<meta http-equiv=\"refresh\" content=\"0; url=" +
           url +
           "\">\n"
           "<title>Pebbledash</title></head>\n<body><a href=\"" +
           url + "\">" + url + "</a></body></html>\n";
}

}  // namespace

void GenerateClosingScreen(GeneratorContext& context, const std::string& publisherUrl) {
    {
        Canvas background(800, 600);
        PaintTableScene(background, context.fonts, false);
        cairo_rectangle(background.Cr(), 0, 0, 800, 600);
        background.SetColor({0.1, 0.05, 0.15, 0.25});
        cairo_fill(background.Cr());
        PaintTitle(background, context.fonts, "Pebbledash", 400, 90, 96);
        TextStyle line{context.fonts.Bold(), 34, theme::kCream};
        line.outline = theme::kInk;
        line.outlineWidth = 3;
        background.Text("Thanks for racing with us!", 400, 190, line);
        line.size = 26;
        background.Text("More toy-box games wait on our site.", 400, 240, line);
        context.out.Write("wdata/background.jpg", background.EncodeJpg(90));
        context.preview.Add("Closing screen", "background.jpg", background);
    }
    WriteButton(context, "wdata/site.png", kSite, "Visit Our Site", ButtonColour::Blue, false);
    WriteButton(context, "wdata/site_lit.png", kSite, "Visit Our Site", ButtonColour::Blue, true);
    WriteButton(context, "wdata/more.png", kMore, "More Games", ButtonColour::Purple, false);
    WriteButton(context, "wdata/more_lit.png", kMore, "More Games", ButtonColour::Purple, true);
    WriteButton(context, "wdata/exit.png", kExit, "Exit", ButtonColour::Red, false);
    WriteButton(context, "wdata/exit_lit.png", kExit, "Exit", ButtonColour::Red, true);
    WriteButton(context, "wdata/exit_wait.png", kExit, "Wait...", ButtonColour::Orange, false);
    context.out.Write("wdata/site.html", LinkPage(publisherUrl));
    context.out.Write("wdata/more.html", LinkPage(publisherUrl + "/games"));
    // The format of the closing screen: numbers separated by exactly one space.
    std::string config;
    config += "3\n";
    config += "wdata\\background.jpg\n";
    config += kSite.Line() + kSite.Line();
    config += "wdata\\site.png\nwdata\\site_lit.png\nwdata\\site.html\n";
    config += kMore.Line() + kMore.Line();
    config += "wdata\\more.png\nwdata\\more_lit.png\nwdata\\more.html\n";
    config += kExit.Line() + kExit.Line() + kExit.Line();
    config += "wdata\\exit.png\nwdata\\exit_lit.png\nwdata\\exit_wait.png\n";
    config += "530 532\n";  // countdown text position, right of the exit button
    config += "5\n";        // seconds before the exit button may be used
    config += "255 214 64\n";
    config += "TRUE\n";
    config += "26\n";
    context.out.Write("wdata/config.ini", config);
    context.out.Write("play.url", "[InternetShortcut]\r\nURL=" + publisherUrl + "\r\n");
}

}  // namespace assetgen
