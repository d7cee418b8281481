#include "MainLayout.h"

#include <cmath>

namespace zantor {

MainLayout MainLayout::design() {
    MainLayout l;
    l.outerWidth = 7635;
    l.outerHeight = 8555;
    l.SSTab1 = QRect(120, 600, 7335, 6855);
    l.picMap2 = QRect(120, 780, 6735, 4620);
    l.vscrMap = QRect(6960, 780, 255, 4575);
    l.hscrMap = QRect(120, 5460, 6735, 255);
    l.picBlocks1 = QRect(120, 5820, 6135, 540);
    l.hscrBlocks = QRect(120, 6420, 6135, 255);
    l.lblBlock = QRect(6360, 5820, 735, 255);
    l.cmdSaveMap = QRect(6360, 6240, 855, 495);
    l.picEvents1 = QRect(120, 780, 6735, 5580);
    l.vScrEvents = QRect(6960, 780, 255, 5655);
    l.hScrEvents = QRect(120, 6480, 6735, 255);
    return l;
}

MainLayout MainLayout::compute(int outerWidth, int outerHeight) {
    MainLayout l = design();
    l.outerWidth = outerWidth;
    l.outerHeight = std::max(outerHeight, kMinimumHeight);
    const int W = l.outerWidth;
    const int H = l.outerHeight;

    l.SSTab1.setWidth(W - 300);
    l.SSTab1.setHeight(H - 1700);

    l.picMap2.setWidth(l.SSTab1.width() - 600);
    l.vscrMap.moveLeft(l.picMap2.width() + 225);
    l.hscrMap.setWidth(l.picMap2.width());
    l.picBlocks1.setWidth(l.picMap2.width() - 600);
    l.hscrBlocks.setWidth(l.picBlocks1.width());
    l.picMap2.setHeight(l.SSTab1.height() - 2235);
    l.hscrMap.moveTop(l.picMap2.height() + 840);
    l.vscrMap.setHeight(l.picMap2.height());
    l.picBlocks1.moveTop(l.hscrMap.top() + 360);
    l.hscrBlocks.moveTop(l.picBlocks1.top() + 600);
    l.lblBlock.moveLeft(l.picBlocks1.width() + 235);
    l.cmdSaveMap.moveLeft(l.lblBlock.left());
    l.lblBlock.moveTop(l.picBlocks1.top());
    l.cmdSaveMap.moveTop(l.lblBlock.top() + 360);

    l.picEvents1.setHeight(l.SSTab1.height() - 1275);
    l.picEvents1.setWidth(l.SSTab1.width() - 600);
    l.vScrEvents.moveLeft(l.picEvents1.width() + 225);
    l.vScrEvents.setHeight(l.picEvents1.height());
    l.hScrEvents.setWidth(l.picEvents1.width());
    l.hScrEvents.moveTop(l.picEvents1.height() + 900);
    return l;
}

double InnerPixels(int viewportTwips) {
    return double(viewportTwips) / MainLayout::kTwipsPerPixel - 4.0;
}

int ScrollMaximum(int contentPixels, int viewportTwips) {
    return int(std::nearbyint(contentPixels - InnerPixels(viewportTwips)));
}

}  // namespace zantor
