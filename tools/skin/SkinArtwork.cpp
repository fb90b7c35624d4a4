#include "SkinArtwork.h"

#include "ArtworkPieces.h"

namespace tessarin::skin::tools {

std::vector<ArtworkBitmap> drawSkinArtwork() {
    using enum CaptionSymbol;
    return {
        {"topborder.bmp", topBorder()},
        {"bottomborder.bmp", bottomBorder()},
        {"leftborder.bmp", leftBorder()},
        {"rightborder.bmp", rightBorder()},
        {"silver_dialog.bmp", dialogBackground()},
        {"button.bmp", pushButton()},
        {"silver_checkbox.bmp", checkBox()},
        {"silver_radiobutton.bmp", radioButton()},
        {"silver_progressbar.bmp", progressBar()},
        {"silver_groupboxedge.bmp", groupBoxEdge()},
        {"silver_tabpanel.bmp", tabPanel()},
        {"silver_tabitem.bmp", tabItem()},
        {"silver_statusbar.bmp", statusBar()},
        {"silver_comboboxbutton.bmp", comboBoxButton()},
        {"silver_comboboxborder.bmp", comboBoxBorder()},
        {"silver_extraimages.bmp", extraImages()},
        {"silver_headerbar.bmp", headerBar()},
        {"silver_menuitem.bmp", menuItem()},
        {"silver_menubackground.bmp", menuBackground()},
        {"silver_scrollbarbuttons.bmp", scrollBarButtons()},
        {"silver_hscrollshaft.bmp", scrollShaft(Qt::Horizontal)},
        {"silver_vscrollshaft.bmp", scrollShaft(Qt::Vertical)},
        {"silver_hscrollthumb.bmp", scrollThumb(Qt::Horizontal)},
        {"silver_vscrollthumb.bmp", scrollThumb(Qt::Vertical)},
        {"silver_mdibuttons.bmp", childWindowButtons()},
        {"silver_groupboxtop.bmp", groupBoxTop()},
        {"silver_toolbarbackground.bmp", toolbarBackground()},
        {"silver_toolbarbuttons.bmp", toolbarButtons()},
        {"silver_menubutton.bmp", menuButton()},
        {"silver_maximizedisabled.bmp", captionButton(Maximize, true)},
        {"windowButton.bmp", captionButton(Restore, false)},
        {"silver_restoredisabled.bmp", captionButton(Restore, true)},
        {"maximizeButton.bmp", captionButton(Maximize, false)},
        {"silver_minimizedisabled.bmp", captionButton(Minimize, true)},
        {"minimizebutton.bmp", captionButton(Minimize, false)},
        {"silver_help.bmp", captionButton(Help, false)},
        {"mtrack v.bmp", trackGroove(Qt::Vertical)},
        {"mtrack_h.bmp", trackGroove(Qt::Horizontal)},
        {"closeButton.bmp", captionButton(Close, false)},
        {"mainMenuBar.bmp", menuBar()},
    };
}

} // namespace tessarin::skin::tools
