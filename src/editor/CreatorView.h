#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "controller/animation/AnimationHost.h"
#include "editor/canvas/DisplayGlide.h"
#include "editor/data/CreatorDictHelpers.h"
#include "editor/files/ThemeBackup.h"
#include "editor/menus/SegmentMenus.h"
#include "editor/selection/FrameWriteBack.h"
#include "editor/selection/InspectorFields.h"
#include "editor/themefiles/ThemeSaveQuestions.h"
#include "engine/ElementOrchestratorDelegate.h"
#include "platform/foundation/values/Value.h"
#include "platform/graphics/Geometry.h"
#include "platform/graphics/Image.h"
#include "platform/ui/views/View.h"

namespace platform::ui {
class ActivityIndicatorView;
class GestureRecognizer;
class ImagePickerController;
class ImagePickerDelegate;
class ImageView;
class Label;
class ScrollView;
class ScrollViewDelegate;
class StackView;
class TextField;
class TextFieldDelegate;
class ViewController;
}  // namespace platform::ui

namespace vantile {

class AppDrawerViewController;
class BulkElementCreator;
class BulkElementCreatorDelegate;
class CreatorVerticalMenu;
class ElementOptionActionHandler;
class ElementOptionsBuilder;
class ElementOptionsBuilderDelegate;
class ElementRenameManagerDelegate;
class ElementTypeGrid;
class CreatorReorderView;

// The theme editor's canvas: holds the theme being edited, draws it through the element engine
// (as the engine's host, in the "creator" environment, with preview data) on a movable, zoomable
// display over a grid, and carries the side panel with the element list. One per process.
//
// The operations are grouped by subject, each group in its own folder:
//   canvas/      set-up, vocabularies and JSON helpers; drawing and tags; theme loading; animation
//   styling/     the style pass and the preview styling of data elements and app icons
//   selection/   selection frame, drag and resize handles, moving and resizing
//   elementlist/ the element list panel and its row actions
//   editing/     the one style write, tree lookups and removals, style fields and the value editor
//   pad/         the increment pad
//   menus/       option menus, style copy and value pickers
//   pickers/     the image and symbol pickers
//   adding/      new elements and templates, the template grid
//   files/       template export and the theme backup
//   themefiles/  saving, the preview picture and applying a theme
//   data/        preview data and tree walks
class CreatorView : public platform::ui::View, public ElementOrchestratorDelegate, public AnimationHost {
 public:
  static CreatorView& sharedInstance();
  // A canvas of its own (tests, benchmarks); the process uses sharedInstance.
  static std::shared_ptr<CreatorView> make();

  explicit CreatorView(ConstructionKey key);
  ~CreatorView() override;

  std::string_view className() const override { return "CreatorView"; }

  // --- Set-up, vocabularies and JSON helpers (canvas/CreatorViewSetup.cpp) ---

  const std::string& getSelectedElement() const { return selectedElement; }
  void setSelectedElement(std::string name) { selectedElement = std::move(name); }
  void setDataArray(std::vector<std::string> names) { dataArray = std::move(names); }
  // The root's "children" of the theme being edited, itself; nothing when either level is missing.
  const platform::Value* getPresetChildren() const;
  platform::Value* getPresetChildren();
  // The parsed file, read a second time when the first read gives nothing; nothing for a missing
  // or malformed file.
  static std::optional<platform::Value> JSONFromFile(const std::string& path);
  static std::string dictionaryToString(const platform::Value& dictionary);
  // Bad text gives an empty dictionary and one log line.
  static platform::Value stringToDictionary(std::string_view text);
  bool isItemHiddenOrLockedByUser(std::string_view name) const;
  // From the key window's root controller through presented controllers (a presented navigation
  // controller continues from its last controller).
  std::shared_ptr<platform::ui::ViewController> topViewController() const;

  // --- Drawing and tags (canvas/CreatorViewDrawing.cpp, canvas/CanvasGrid.cpp; the display:
  //     canvas/CreatorViewDisplay.cpp) ---

  // A new root view for `type` ("creator"): background, grid, highlight, then the element views.
  std::shared_ptr<platform::ui::View> createViewFromDictionary(const platform::Value& root, const std::string& type);
  std::shared_ptr<platform::ui::ImageView> createBackgroundView(const platform::graphics::Rect& frame);
  std::shared_ptr<platform::ui::View> createGridView(const platform::graphics::Rect& frame);
  std::shared_ptr<platform::ui::View> setupDisplay();
  void pinch(platform::ui::GestureRecognizer& recognizer);
  void move(platform::ui::GestureRecognizer& recognizer);
  std::int32_t getViewTag(platform::ui::GestureRecognizer& recognizer) const;
  std::optional<std::string> getElementNameFromTag(std::int32_t tag) const;
  // The view below creatorView with the name's registered tag.
  std::shared_ptr<platform::ui::View> getElementView(std::string_view name) const;

  // ElementOrchestratorDelegate.
  bool implements(Operation operation) const override;
  void updateReferenceToView(const std::string& name, std::int32_t count, const std::string& location) override;
  void createChildren(const platform::Value& children, const std::shared_ptr<platform::ui::View>& view,
                      const std::string& location, const std::optional<std::vector<std::string>>& order) override;
  void handleTapped(platform::ui::GestureRecognizer& recognizer) override;
  void handleAnimation(platform::ui::GestureRecognizer& recognizer) override;

 private:
  // Glass views' tags: their inner views take the tag + 1000, which no element view may get.
  std::set<std::int32_t> glassViewTags_;
  PanVelocity displayPanVelocity_;

 public:

  // --- Animation preview (canvas/CreatorViewAnimation.cpp) ---

  static std::string cleanAnimationString(const platform::Value& value);
  void saveAnimationState(const std::string& item, const std::string& itemName, platform::Value& animationStuff,
                          const std::string& itemAnimation);

  // AnimationHost: the drawn theme (creatorView, creatorTags, creatorPreset).
  void runAnimationOfTag(const std::string& senderTag) override;
  std::shared_ptr<platform::ui::View> animationElementView(std::string_view name) const override;
  const platform::Value* animationPresetChildren() const override { return getPresetChildren(); }
  std::string animationParentName(std::string_view name) const override;
  platform::graphics::Rect animationRootBounds() const override;
  platform::Value& animationState() override { return animationDict; }
  std::weak_ptr<AnimationHost> weakAnimationHost() override;

 private:
  // A tapped element (with its recogniser, which also selects it) or a queued trigger (without).
  void playAnimationOfTag(std::int32_t tag, platform::ui::GestureRecognizer* recognizer);
  std::shared_ptr<CreatorView> sharedCanvas();

 public:

  // --- Theme loading and the main view (canvas/CreatorViewThemeLoading.cpp) ---

  // Builds and returns the editor's screen inside the pane's view, with the starting theme.
  std::shared_ptr<platform::ui::View> setupMainView(const std::shared_ptr<platform::ui::View>& hostView);
  void loadTheme();
  void loadThemeFile(const std::string& fileName);
  void reloadTheme();

 private:
  // The full draw of a root element into creatorView (creatorTags start empty).
  void drawRoot(const platform::Value& root);
  void removeDrawnTheme();

 public:

  // --- Style pass (styling/) ---

  void updateChildren(const platform::Value& children, const std::string& location);
  std::vector<std::string> sortKeysByOverridePriority(const platform::Value& children) const;
  static bool elementHasOverride(const platform::Value& element);
  void checkIfHasKnockout(const platform::Value& element, const std::shared_ptr<platform::ui::View>& view);
  void checkIfViewFollows(const platform::Value& element, const std::shared_ptr<platform::ui::View>& view);
  void applyAutoLayoutToUIViews(const platform::Value& children);
  // A copy of the named element overlaid on what its own override resolves to; nothing when the
  // name is empty, "none", already visited or not in the tree.
  std::optional<platform::Value> resolveStyleOverride(const std::string& name, std::vector<std::string>& visited,
                                                      const platform::Value& presetChildren) const;

 private:
  // The preview value of a bar's fill, its colour and gradient.
  void updateBarPreview(const platform::Value& element, platform::ui::View& view, std::string_view type) const;
  void updateWeatherIconPreview(const platform::Value& element, platform::ui::View& view) const;
  // Placeholder or app picture, caption and badge, styled by the element or its resolved override.
  void updateAppIconPreview(const platform::Value& element, platform::ui::View& view) const;
  // Text and gradient; for a container also the queued knockout and follow, then its children.
  void updateTextAndContainer(const std::string& type, const platform::Value& element,
                              const std::shared_ptr<platform::ui::View>& view, const std::string& location);
  // Wraps the offsets of endless scroll views, which hold it weakly.
  std::shared_ptr<platform::ui::ScrollViewDelegate> endlessScrollDelegate_;

 public:

  // --- Selection (selection/) ---

  void selectView(platform::ui::GestureRecognizer& recognizer);
  void loadElementOptions(const std::string& name);
  void showHintLabel(const std::string& text);
  void hideHintLabel();
  void showHighlightViewWithName(const std::string& name);
  void resetHighlightView();
  void addDragFunctionalityToSelectedElement(const std::string& name);
  void removeAllElementDragGestures();
  static void removeElementDragGesturesFromView(platform::ui::View& view);
  void addResizeHandlesToElement(const std::shared_ptr<platform::ui::View>& elementView, const std::string& name);
  void removeResizeHandles();
  void updateWidthResizeHandlePosition();
  void updateHeightResizeHandlePosition();
  // The rectangle moved by the frame origins of the view and its ancestors below creatorView.
  platform::graphics::Rect addParentXY(platform::graphics::Rect rect, const platform::ui::View& view) const;

 private:
  // The view of the element's registered tag below creatorView; nothing for an unregistered name.
  std::shared_ptr<platform::ui::View> selectableElementView(const std::string& name) const;
  // The element view's frame in creatorView's space (the origins of its containers added).
  platform::graphics::Rect canvasRectangle(const platform::ui::View& elementView) const;
  // The element's inspector panel in place of the previous one (selection/CreatorViewInspector.cpp).
  void showElementInspector(const std::string& name);

 public:

  // --- Element list (elementlist/) ---

  void setupScrollview();
  void reloadScrollview();
  void reloadScrollviewResetPosition();
  void refreshScrollview();
  void createScrollviewFromChildren(const platform::Value& children, const platform::Value& order);
  void createScrollviewFromChildrenAsync(const platform::Value& children, const platform::Value& order);
  void completeAsyncLoading();
  void createLabelForElement(const std::string& name, const platform::Value& children,
                             platform::ui::StackView& stack, bool isNested);
  static std::int64_t countTotalElements(const platform::Value& children, const platform::Value* order);
  void hideShowChildren(const std::string& name, const std::shared_ptr<platform::ui::View>& view,
                        const platform::Value& elementChildren, bool forceHide);
  void restoreExpandedState();
  void updateExpandedStateVisuals();
  void showLoadingIndicator();
  void hideLoadingIndicator();
  void checkIfShouldAllow(platform::ui::View& button, const std::string& name) const;
  static std::shared_ptr<platform::ui::View> findViewWithTag(std::int32_t tag,
                                                             const std::shared_ptr<platform::ui::View>& view);
  bool isElementDescendantOf(std::string_view name, std::string_view ancestor) const;
  static std::string padStringWithSpaces(const std::string& text, std::size_t amount);
  // The list's taps: selecting an element from its row, expanding and collapsing containers.
  void handleTap(platform::ui::GestureRecognizer& recognizer);

 private:
  // Runs on a worker: schedules one top-level row per step on the main queue, each due at
  // `start` + its index × the step, however late the worker gets to it.
  static void loadElementsProgressively(std::weak_ptr<CreatorView> canvas,
                                        std::shared_ptr<const platform::Value> children,
                                        std::shared_ptr<const platform::Value> order, double start,
                                        std::uint64_t generation);
  // Steps shared by both builds: the old panels out, a new empty list with its fixed rows.
  void makeEmptyElementList();
  void installElementList();
  // The row with the tag, searched as the expand and collapse operations search for it.
  std::shared_ptr<platform::ui::View> findElementRow(std::int32_t tag,
                                                      const std::shared_ptr<platform::ui::View>& view) const;
  std::int32_t elementRowTag(const std::string& name);
  std::weak_ptr<CreatorView> weakCanvas();
  // The jump-to picker, the add row (a seam: the bulk creator comes with the inspector issue) and
  // the copy/remove/extras buttons (elementlist/CreatorViewListActions.cpp).
  void showElementStyles();
  void addNewElement();
  void handleElementRowButton(const std::string& name, const std::string& action);

  // Every list build takes a new number; rows still scheduled by an older build do nothing.
  std::uint64_t elementListGeneration = 0;
  // A refresh asked for while a progressive build runs is made when that build completes.
  bool elementListRefreshPending = false;

 public:

  // --- Dragging and resizing (selection/CreatorViewDragging.cpp, selection/CreatorViewResizing.cpp) ---

  // The selected element's drag: follows the finger with each axis locked to the parent's centre
  // while within 10 points of it, and writes the position as it goes; on release an axis within
  // 2.5 points of the centre is stored as "center", else the element goes onto the 5-point grid.
  void moveElement(platform::ui::GestureRecognizer& recognizer);
  platform::graphics::Point snapToCenterAxisIfNeeded(platform::graphics::Point proposed,
                                                     const platform::ui::View& element) const;
  // True when it stored "center" for an axis; the inspector shows it on the next main-queue turn.
  bool snapToCenterAndSaveIfNeeded(const platform::ui::View& element);
  static void snapElementToGrid(platform::ui::View& element);
  // The selection frame around the element, 2 points out on every side.
  void updateHighlightViewForMovedElement(const platform::ui::View& element);
  void updatePositionTextFields(const platform::ui::View& element);
  // The inspector shows the selected element only: other names change no field.
  void updatePositionTextFieldsForElement(const std::string& name, double x, double y);
  void updatePositionTextFieldsFromPreset(const std::string& name, bool snapX, bool snapY);
  void savePositionToCreatorPreset(const platform::ui::View& element);
  void saveCenterPositionToCreatorPreset(const platform::ui::View& element, const std::string& name, bool snapX,
                                         bool snapY);

  // The handles' drags: the size follows the finger (at least 10 points) and is written as it
  // goes; on release it goes onto the grid, "center" axes are centred again and the canvas is
  // redrawn with the selection re-attached.
  void resizeElementWidth(platform::ui::GestureRecognizer& recognizer);
  void resizeElementHeight(platform::ui::GestureRecognizer& recognizer);
  void updateWidthTextField(const platform::ui::View& element, const std::string& name);
  void updateHeightTextField(const platform::ui::View& element, const std::string& name);
  void saveWidthToCreatorPreset(const std::string& name, double newWidth);
  void saveHeightToCreatorPreset(const std::string& name, double newHeight);
  void recenterElementWithCenterPositioning(platform::ui::View& element, const std::string& name);

 private:
  enum class ResizeAxis { width, height };
  void resizeElement(platform::ui::GestureRecognizer& recognizer, ResizeAxis axis);
  void finishResize(platform::ui::View& element, const std::string& name, ResizeAxis axis);
  void updateSizeTextField(const platform::ui::View& element, const std::string& name, ResizeAxis axis);
  // The selection frame and both handles onto the element.
  void followElementWithSelection(const platform::ui::View& element);
  std::optional<std::string> elementNameOfView(const platform::ui::View& element) const;
  // Writes into the element's "frame" wherever it stands in the tree; a missing element or frame
  // changes nothing and logs.
  void saveFrameEntries(const std::string& name, const FrameEntries& entries);
  void fillInspectorFields(const FieldTexts& texts) const;

 public:
  // --- Templates and theme backup (files/) ---

  // Asks for a template name for the selected element (the inspector's export control).
  void exportTemplate();
  // Saves under the template file name ("My_clock.json"), asking first when the name is listed.
  void checkIfDuplicate(const std::string& fileName);
  // Writes the selected element as the template file, lists its name and confirms; a refused
  // name or a failed write is reported and lists nothing.
  void saveTemplate(const std::string& fileName, bool wasUpdated);
  // The options menu's "Recover Theme": installs the backup and redraws; the backup of another
  // theme is asked about first. False when there is no backup (the menu stays open).
  bool recoverTheme();
  // Keeps the theme being edited, with its file name, under "themeBackup" of the standard defaults.
  void backupTheme();

 private:
  // True, with the refusal alert, when the name (of a "template", a "theme") breaks the user
  // file-name rule.
  bool refuseUserFileName(const std::string& name, std::string_view kind);
  void installThemeBackup(ThemeBackup backup);

 public:
  // --- Tree operations and style editing (editing/) ---

  // Lookups of the edited theme by element name.
  std::optional<KeyPath> getElementHierarchy(std::string_view name) const;
  // The registered name of the superview of the element's view: nothing when that superview has
  // no registered tag (a root child), "" when the element has no view.
  std::optional<std::string> getParentNameFromElementName(std::string_view name) const;
  bool presetContainsUIView() const;
  std::vector<std::string> getUIViewsInPreset() const;
  std::vector<std::string> getViewsInPreset() const;
  std::vector<std::string> getAppsInPreset() const;
  platform::Value getAllElementsInPreset(std::string_view style) const;

  // The one style write of the editor: installs a changed copy of the theme, rebuilds the canvas
  // and the element list. A refused value is logged and shown in a "Vantile" alert.
  void setElementStyle(const std::string& style, const std::string& elementName, const std::string& styleValue);
  std::optional<platform::Value> setColorForTextOrBoxShadow(const std::string& elementName,
                                                            const std::string& styleValue,
                                                            const std::string& style) const;
  void removeElement(const std::string& name);
  void removeElementFromPresetViewChildren(const std::string& name);
  platform::Value removeElementFromUIView(const std::string& containerName);
  void removeItemFromUIViewOrderWithName(const std::string& name, const std::string& parent);
  void removeFromPresetOrder(const std::string& name);
  void addToPresetOrder(const std::string& name);
  // These two edit the caller's document and do not install it; the first removes the selected
  // element, whose name its callers pass.
  platform::Value& removeElementFromPresetViewChildren(const std::string& name, platform::Value& dict) const;
  static platform::Value& removeElementFromPresetViewChildrenScroll(const std::string& name, platform::Value& dict);

  // The inspector's caption labels and style fields (editing/StyleFieldFactory.cpp); the canvas
  // is the fields' delegate.
  static std::shared_ptr<platform::ui::Label> createElementOptionLabelWithFrame(const platform::graphics::Rect& frame,
                                                                                const std::string& text,
                                                                                const std::string& layerName,
                                                                                std::int64_t tag);
  std::shared_ptr<platform::ui::TextField> createElementOptionTextFieldWithFrame(
      const platform::graphics::Rect& frame, const std::string& text, const std::string& layerName,
      const std::string& placeholder);
  void textFieldDidBeginEditing(platform::ui::TextField& field);
  bool textFieldShouldReturn(platform::ui::TextField& field);
  void setDictionaryOptionsFromTextField(platform::ui::TextField& field);
  // The colour cell's preview (nothing written) and commit of the style on the shared canvas.
  static void setColor(const std::string& color, const std::string& style);
  static void setColorOnClose(const std::string& color, const std::string& style);
  // The same on this canvas.
  void showColorPreview(const std::string& color, const std::string& style) const;
  void commitColor(const std::string& color, const std::string& style);

 private:
  // The value editor panel (CreatorTextFieldView) for the field, at the frame, with the editor's
  // data keys, preview values, installed apps and asset folders.
  std::shared_ptr<platform::ui::View> createValueEditorOverlay(platform::ui::TextField& field,
                                                               const platform::graphics::Rect& frame,
                                                               std::function<void(const std::string&)> completion);
  void installEditedPreset(platform::Value preset);
  void showRefusedEditAlert(const std::string& message) const;
  std::shared_ptr<platform::ui::TextFieldDelegate> styleFieldDelegate();

 public:

  // --- Element list actions (elementlist/) ---

  // Scrolls the panel, with a spring, so that the first row matching the name (a direct subview
  // or one of their subviews, by layer name) stands in its middle as far as the content allows.
  void scrollToElementWithName(const std::string& name, platform::ui::ScrollView& scrollView);
  // A row's layer name against a searched name: equal, "searched~…" or "…~searched".
  static bool doesViewName(const std::optional<std::string>& viewName, std::string_view searchName);
  static void animateScrollToPosition(double y, platform::ui::ScrollView& scrollView);
  // The "Element Extras" sheet of the selected element: lock, hide, rename.
  void showElementActionSheet();
  // Each toggles the element's mark, clears the selection and rebuilds the list.
  void lockElement(const std::string& name);
  void hideElement(const std::string& name);

 private:
  void confirmElementRemoval(const std::string& name);
  void askForDuplicateName(const std::string& name);
  // The typed name cleaned by the element name rules; a name they refuse is refused with the
  // rename alert's texts.
  void duplicateElement(const std::string& typedName, const std::string& sourceName);
  // Asks the rename manager for a new name of the element, with the canvas as its delegate.
  void renameElement(const std::string& name);
  // The options builder's action handler (selection/CreatorViewInspector.cpp).
  ElementOptionActionHandler& elementOptionActionHandler();

 public:

  // --- Adding elements and templates (adding/) ---

  // The bulk creator's result: every item added under the root, the last one added then
  // selected with its inspector; the theme is backed up and the canvas and the list rebuilt.
  void bulkElementCreatorDidFinish(const platform::Value& bulkElements);
  // Depth first in list order: each item ("elementType", "elementName", "children") under the
  // parent, backed up, then its children under the element it became. An item that cannot be
  // added, or whose name breaks the element name rules, leaves its children out.
  void processBulkElementHierarchy(const platform::Value& bulkElements, const std::string& parentName);
  void bulkElementCreatorDidCancel() {}
  void bulkElementCreatorRequestsSingleMode() { showSingleElementCreator(); }
  // The template grid in the side panel: a tap asks for the new element's name, a long press
  // deletes a template.
  void showSingleElementCreator();
  void alertToGetNameString(const std::string& typeOrTemplate);
  void cantAddAlert();
  void userNoName();
  // A new element of the type or template under the parent (the top level for "PresetView" or a
  // parent not in the theme), named `name` or its first free numbered form; then nothing is
  // selected and the canvas and the list are rebuilt. The name it got; nothing, with an alert
  // and the theme unchanged, when neither the engine nor a template yields the element.
  std::optional<std::string> addElementToCreatorPreset(const std::string& typeOrTemplate, const std::string& name,
                                                       const std::string& parentName);
  std::optional<std::string> addElementToCreatorPreset(const std::string& typeOrTemplate, const std::string& name);
  // Stores the description under the name at the top level; no order, no rebuild.
  void addElementToCreatorWithOptions(const platform::Value& element, const std::string& name);
  // The grid's long press: asks before deleting the template file of the entry under the press;
  // basic types and bundled templates are refused.
  void deleteElement(platform::ui::GestureRecognizer& recognizer);

 private:
  // The name prompt's "Apply".
  void addElementWithTypedName(const std::string& typeOrTemplate, const std::string& typed);
  bool isProtectedElementType(const std::string& name) const;
  void deleteTemplate(const std::string& name);

 public:

  // --- Option menus, style copy and value pickers (menus/) ---

  // The segment menus of the styles with a fixed vocabulary: a segment writes its word into the
  // selected element at once and the menu stays open.
  void loadTextAlignmentMenu();
  void loadInfiniteScrollMenu();
  void loadAutoLayoutMenu();
  void loadBlurColorMenu();
  void loadContentModeMenu();
  void loadTextStyleMenu();
  void loadFontMenu();
  void loadAttrFontMenu();
  // Stock fonts and the font files of the assets folder; a pick writes the style and closes.
  void loadFontMenuForStyle(const std::string& style);
  // The font rows' sample: the selected element's label text.
  std::string getSelectedElementText() const;
  static std::vector<std::string> elementOptionsCustomOrder(const platform::Value& element);
  // The selected element's keys; a pick scrolls the inspector to the last row label naming it.
  void jumpToOption();
  // The copy control's style address is the name of the tapped view's layer.
  void copyStyleFromOtherElement(platform::ui::GestureRecognizer& recognizer);
  // The other elements with the style ("frame~x": the style "frame", the field "x") and their values.
  void showCopySelectMenu(const std::string& styleAddress);
  std::vector<std::string> getValueArrayFromArray(const std::vector<std::string>& names,
                                                  const std::string& field) const;
  // Copies the open copy menu's style, or only its field, from the source into the selected element.
  void copyStyleFromElement(const std::string& source);
  void pickStyleOverrideElement();

  // "dataValue" appends to "data", "dataAttrValue" to "dataAttr".
  void createDataPicker();
  void createDataPickerForAttr();
  void createDataPickerForStyle(const std::string& kind);
  void addDataValue(const std::string& key);
  void addAttrDataValue(const std::string& key);
  // The layer-order panel of the selected container's children, saved into its "childorder".
  void childrenOrder();
  void noChildren();
  // The siblings the selected element may follow in width; refused for a top-level element.
  void createFollowPicker();
  void createAnimationPicker();
  // Adds the element to the selected element's animation targets, or removes it.
  void addViewToAnimation(const std::string& name);

 private:
  // A menu over the whole of mainView; nothing without a main view.
  std::shared_ptr<CreatorVerticalMenu> openOptionMenu(
      const std::string& title, platform::Value options, std::function<void(const std::string&)> rowPicked,
      std::function<void(int)> segmentPicked = {},
      std::function<std::optional<std::string>(std::string_view)> previewValues = {});
  // The menu's segments write into the selected element; the chosen index is kept in `remembered`.
  std::shared_ptr<CreatorVerticalMenu> openSegmentMenu(const SegmentMenus::Menu& menu, int startSegment,
                                                       std::int32_t CreatorView::*remembered);
  int selectedElementSegment(const SegmentMenus::Menu& menu) const;
  static void closeOptionMenu(std::shared_ptr<CreatorVerticalMenu>& holder);
  void scrollInspectorToOption(const std::string& key);
  void appendDataToken(const std::string& style, const std::string& key);
  void saveChildrenOrder(const std::string& container, const std::vector<std::string>& saved);
  void showPickerAlert(const std::string& message, const std::string& button) const;

 public:
  // --- Value pickers (pickers/) ---

  // The pictures of the assets folder, as the image picker lists them.
  static std::vector<std::string> getImages();
  // The image picker for the style named by the layer of the row view under the tap.
  void createImagePicker(platform::ui::GestureRecognizer& recognizer);
  // Writes the picked file name under the style of the selected element; the inspector keeps
  // its scroll position.
  void addImageValue(const std::string& value, const std::string& style);
  void createSFImagePicker();
  void setSFSymbolName(const std::string& symbolName);

  // --- Theme files: save, preview and apply (themefiles/) ---

  // Asks for a theme name (the theme being edited, none for the starting theme), then saves.
  void saveTheme();
  // "You must input a theme name to save a theme."; its "Ok" asks for the name again.
  void alertHasNoName();
  // Saves under the file name ("My_theme.json"), asking before it writes over an existing theme
  // and its preview. A name that breaks the user file-name rule is refused with an alert.
  void saveThemeWithName(const std::string& fileName);
  // Writes the theme atomically to the system path; the result alert follows 0.5 s later.
  void saveThemeToFile(const std::string& path, const std::string& fileName);
  // Hides the panels; 0.5 s later writes the editor screen's picture as the theme's preview.
  void generateImage(const std::string& themeName);
  // The result of a save; the apply buttons are offered only while the theme file exists.
  void themeSaved(const std::optional<std::string>& error, const std::string& fileName);
  // Records the theme for "LS" (any other place: the home screen) and tells the tweak.
  void setThemeForTweak(const std::string& name, const std::string& place);
  // The theme a save writes: the shared canvas's.
  static const platform::Value& getThemeInfo();
  // Seam: shows the local themes as a chooser over the main view.
  void loadThemePicker();

 private:
  void continueSave(const ThemeSaveNext& next, const std::string& fileName);
  void askSaveQuestion(ThemeSaveQuestion question, const std::string& fileName);

 public:

  // --- Increment pad (pad/) ---

  // The inspector's "dots" button of a numeric style; a tap opens the style menu of the pad
  // address "<name>~<style>".
  std::shared_ptr<platform::ui::View> createIncrementer(const std::string& name, const std::string& style,
                                                        const platform::graphics::Rect& frame);
  // A clear view at the frame holding the assets folder's picture fitted into 30 by 30.
  std::shared_ptr<platform::ui::View> viewWithImage(const std::string& imageName, const std::string& layerName,
                                                    const platform::graphics::Rect& frame);
  void incrementTap(platform::ui::GestureRecognizer& recognizer);
  // The style menu along the bottom of the screen, replacing the one shown before.
  void createMenuForStyle(const std::string& padAddress);
  std::shared_ptr<platform::ui::View> createPadButtonWithRect(const platform::graphics::Rect& frame,
                                                              const std::string& imageName,
                                                              const std::string& referenceName);
  // Touch-down starts the hold; release, cancel or failure ends it.
  void padPressed(platform::ui::GestureRecognizer& recognizer);
  // One step of the held arrow, then the next one 30 ms after this write.
  void startIncrementing(const std::string& arrowReference);
  void segmentSelected(int index);
  void closeStyleMenu();
  std::string getStyleValue(const std::string& padAddress) const;

  // The data keys offered by the data picker and the value editor.
  static std::vector<std::string> getCreatorDataMethods();

 private:
  // The hold goes on only while its menu is shown and its element selected.
  bool holdIsStillValid() const;
  void refreshPadReadOut() const;

 public:

  // --- Inspector rows (selection/CreatorViewInspector.cpp) ---

  // The one options builder of the canvas, made with the side panel and the colour keys.
  void initializeOptionsBuilderIfNeeded();
  // The delegate the inspector talks to: this canvas.
  const std::shared_ptr<ElementOptionsBuilderDelegate>& optionsDelegate();
  // --- Bulk element creator (adding/CreatorViewBulkCreator.cpp) ---

  // The sheet addNewElement presents: the canvas's types and templates, every element name of
  // the theme, and the canvas as its delegate.
  std::shared_ptr<BulkElementCreator> makeBulkElementCreator();

  // --- Editor panel, options menu and preview sizes (panel/) ---

  // The bottom panel: the icon bar, the element list and the hint label.
  std::shared_ptr<platform::ui::View> setupMenu();
  void setupMenuButtons();
  // Dispatches by the tag of the button under the finger; elsewhere on the bar nothing happens.
  void menuIconBarTapped(platform::ui::GestureRecognizer& recognizer);
  // The "Creator Options" menu over the main view, replacing one still open.
  void loadSettingsPicker();
  void closeSettingsPicker();
  // Runs the picked row; nothing, or a text no row has, leaves the menu open.
  void creatorOptionSelected(const std::optional<std::string>& text);
  void setBackgroundImage();
  // The photo picker's result: shown behind the theme now and in every later draw.
  void imagePickerController(platform::ui::ImagePickerController& picker, const platform::graphics::Image& image);
  // Later draws show the settings bundle's "blank.png", or nothing without one.
  void removeBackgroundImage();
  // Unzoomed, at the top, centred on the main view.
  void resetViewPosition();
  // Replaces the options menu with the list of device sizes.
  void loadPreviewSizes();
  // Draws a copy of the root at the row's size (the screen's for nothing or an unknown row); the
  // document keeps its own frame, so a save writes that.
  void previewAtSize(const std::optional<std::string>& row);
  // The layer order of the top level; Save stores it as the root's "order", Close changes nothing.
  void loadReorder();

 private:
  void clearSelection();
  void toggleGrid();
  static void toggleHighlight();
  void saveTopLevelOrder(const std::vector<std::string>& list);
  // Seam: the catalogue of the first built-in repository and the theme library it opens
  // (createThemePreviews) come with the theme library issue; until then the menu stays open.
  void fetchThemeCatalogue();

 public:
  // --- Renaming (elementlist/) ---

  // After the rename manager installed the renamed theme: the lock, hide and expansion marks
  // follow the new name, and the canvas and the element list are drawn again.
  void elementDidRename(const std::string& oldName, const std::string& newName);

 private:
  // Installs the renamed theme as every edit of the editor does (installEditedPreset).
  friend class CanvasRenameDelegate;

 public:

  // --- State ---

  platform::Value creatorPreset = platform::Value::object();
  // Element name → current view tag.
  std::map<std::string, std::int32_t, std::less<>> creatorTags;
  std::int32_t globalCounter = 0;
  std::string selectedElement = "none";
  std::string selectedTheme;
  bool disableGrid = false;
  bool isResizingWidth = false;
  bool isResizingHeight = false;
  bool isLoadingElements = false;
  std::int32_t incrementerAdditionValue = 1;
  bool doneIncrementing = true;
  std::int32_t textAlginmentSelectorValue = 1;
  std::int32_t infiniteScrollSelectorValue = 0;
  std::int32_t selectedSegmentIndex = 0;

  std::vector<std::string> colorArray;
  std::vector<std::string> elementTypes;
  std::vector<std::string> stylesThatShowUpDownPad;
  std::vector<std::string> blackListStyleArray;
  std::vector<std::string> defaultElements;
  std::vector<std::string> openedStackElements;
  std::vector<std::string> savedOpenedStackElements;
  std::vector<std::string> dataArray;
  std::vector<std::string> lockedElements;
  std::vector<std::string> hiddenElements;
  platform::graphics::Point savedElementScrollPosition;
  // Per element and step: the default state an animation returns to.
  platform::Value animationDict = platform::Value::object();
  std::optional<platform::graphics::Image> backgroundImage;

  std::shared_ptr<platform::ui::View> mainView;
  std::shared_ptr<platform::ui::View> view;
  std::shared_ptr<platform::ui::View> display;
  std::shared_ptr<platform::ui::View> menu;
  std::shared_ptr<platform::ui::View> creatorView;
  std::shared_ptr<platform::ui::ImageView> backgroundView;
  std::shared_ptr<platform::ui::View> gridView;
  std::shared_ptr<platform::ui::View> highlightView;
  std::shared_ptr<platform::ui::View> widthResizeHandle;
  std::shared_ptr<platform::ui::View> heightResizeHandle;
  std::shared_ptr<platform::ui::Label> styleHintLabel;
  std::shared_ptr<platform::ui::ScrollView> elementOptions;
  std::shared_ptr<platform::ui::ScrollView> elementScrollView;
  std::shared_ptr<platform::ui::StackView> elementStackView;
  std::shared_ptr<platform::ui::ActivityIndicatorView> loadingIndicator;
  std::shared_ptr<platform::ui::View> collectionView;
  std::shared_ptr<AppDrawerViewController> appDrawer;

  CreatorDictHelpers& dictHelpers;
  // The dragged element's centre where the finger alone would put it, before the centre lock.
  std::optional<platform::graphics::Point> dragCenterBeforeSnap;

  // The value editor overlay shown for the field being edited.
  std::shared_ptr<platform::ui::View> fieldView;
  // Forwards the style fields' delegate calls to the canvas.
  std::shared_ptr<platform::ui::TextFieldDelegate> styleFieldDelegate_;

  // The jump-to picker last shown (the element list's or the inspector's key list); it leaves
  // mainView once a name is picked.
  std::shared_ptr<CreatorVerticalMenu> jumpToPicker;
  // The canvas as the inspector's delegate, held weakly by the builder and its action handler.
  std::shared_ptr<ElementOptionsBuilderDelegate> optionsDelegate_;
  // The element a bulk result added last; nothing when it added none.
  std::optional<std::string> lastCreatedElement;
  // The template grid's data source and delegate, which the grid holds weakly.
  std::shared_ptr<ElementTypeGrid> elementTypeGrid_;
  // The open menu of each kind, so that a pick can close it.
  std::shared_ptr<CreatorVerticalMenu> textAlignmentPicker;
  std::shared_ptr<CreatorVerticalMenu> fontPicker;
  std::shared_ptr<CreatorVerticalMenu> selectCopyPicker;
  std::shared_ptr<CreatorVerticalMenu> uiviewPicker;
  std::shared_ptr<CreatorVerticalMenu> dataPicker;
  // The follow or the animation menu, whichever opened last.
  std::shared_ptr<CreatorVerticalMenu> viewPicker;
  std::shared_ptr<CreatorReorderView> reorderView;
  // What the menu shown last edits: the pad's address ("x~frame") or the copy menu's style
  // ("frame~x"); empty before the first. The copy menu also keeps each element's value.
  std::string currentStyle;
  platform::Value currentElementsWithStyle = platform::Value::object();
  // True while an arrow of the pad is pressed.
  bool isHeld = false;
  std::shared_ptr<platform::ui::View> styleMenu;
  std::shared_ptr<platform::ui::View> padViewMenu;
  // The element the held arrow steps: a change of selection ends the hold.
  std::string incrementingElement;
  // Counts the presses on arrows; each repetition goes on only for its own press.
  std::uint64_t padPressCount = 0;
  std::shared_ptr<ElementOptionsBuilder> optionsBuilder;
  // The canvas as the bulk creator's delegate, which the sheet holds weakly.
  std::shared_ptr<BulkElementCreatorDelegate> bulkCreatorDelegate_;
  // The open options menu or, in its place, the size list.
  std::shared_ptr<CreatorVerticalMenu> optionPicker;
  // Hands the photo picker's result to the canvas, which the picker holds weakly.
  std::shared_ptr<platform::ui::ImagePickerDelegate> backgroundPickerDelegate_;
  // The canvas as the rename manager's delegate, held weakly by the manager.
  std::shared_ptr<ElementRenameManagerDelegate> renameDelegate_;
};

}  // namespace vantile
