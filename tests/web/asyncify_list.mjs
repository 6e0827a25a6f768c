// web/asyncify-remove.json names functions that asyncify leaves alone, so
// that they may never be on the stack while the program waits. A pattern that
// also matches one of these, which are on that stack whenever a click, a key,
// a touch or a timer leads to the pause or a message box, would break the page.
//   node tests/web/asyncify_list.mjs web/asyncify-remove.json
import { readFileSync } from 'node:fs';
import { check, finish } from './report.mjs';

const onTheStack = [
  'main', '__original_main',
  'QCoreApplication::notifyInternal2(QObject*, QEvent*)',
  'QApplication::notify(QObject*, QEvent*)',
  'QApplicationPrivate::notify_helper(QObject*, QEvent*)',
  'QCoreApplicationPrivate::sendThroughApplicationEventFilters(QObject*, QEvent*)',
  'QEventLoop::exec(QFlags<QEventLoop::ProcessEventsFlag>)',
  'QEventDispatcherWasm::processEvents(QFlags<QEventLoop::ProcessEventsFlag>)',
  'QDialog::exec()',
  'QMenu::exec(QPoint const&, QAction*)',
  'QWidget::event(QEvent*)',
  'QWidgetWindow::event(QEvent*)',
  'QAbstractButton::mouseReleaseEvent(QMouseEvent*)',
  'QAbstractButtonPrivate::emitClicked()',
  'QLineEdit::keyPressEvent(QKeyEvent*)',
  'QShortcut::event(QEvent*)',
  'QTimer::timerEvent(QTimerEvent*)',
  'QTimerInfoList::activateTimers()',
  'QSingleShotTimer::timerEvent(QTimerEvent*)',
  'void doActivate<false>(QObject*, int, void**)',
  'QMetaObject::activate(QObject*, QMetaObject const*, int, void**)',
  'QtPrivate::QSlotObjectBase::call(QObject*, void**)',
  'QGuiApplicationPrivate::processMouseEvent(QWindowSystemInterfacePrivate::MouseEvent*)',
  'QGuiApplicationPrivate::processTouchEvent(QWindowSystemInterfacePrivate::TouchEvent*)',
  'QGuiApplicationPrivate::processKeyEvent(QWindowSystemInterfacePrivate::KeyEvent*)',
  'QWindowSystemInterface::sendWindowSystemEvents(QFlags<QEventLoop::ProcessEventsFlag>)',
  'QWasmCompositor::processMouse(int, EmscriptenMouseEvent const*)',
  'QWasmCompositor::handleTouch(int, EmscriptenTouchEvent const*)',
  'QGraphicsView::mouseReleaseEvent(QMouseEvent*)',
  'QGraphicsScenePrivate::sendMouseEvent(QGraphicsSceneMouseEvent*)',
  'QGraphicsProxyWidget::mouseReleaseEvent(QGraphicsSceneMouseEvent*)',
  'QPointerEvent::point(long)',
  'std::__2::function<void ()>::operator()() const',
  'Form1::Command5_Click(int)',
  'HoldingPause::step()',
  'System::pauseStep()',
];

// Binaryen's matching: '*' stands for any run of characters, nothing else is special.
const matches = (pattern, name) =>
  new RegExp(`^${pattern.split('*').map(p => p.replace(/[.+?^${}()|[\]\\]/g, '\\$&')).join('.*')}$`).test(name);

const patterns = JSON.parse(readFileSync(process.argv[2], 'utf8'));
check(`the list holds ${patterns.length} patterns`, Array.isArray(patterns) && patterns.length > 0);
for (const name of onTheStack) {
  const hit = patterns.filter(p => matches(p, name));
  check(`${name} stays instrumented${hit.length ? ` (matched by ${hit.join(', ')})` : ''}`, hit.length === 0);
}
// The patterns still reach what they are for.
for (const name of ['hb_ot_get_glyph_extents', 'FT_Load_Glyph', 'QRasterPaintEngine::fill(QVectorPath const&, QBrush const&)',
  'QFusionStyle::drawControl(QStyle::ControlElement, QStyleOption const*, QPainter*, QWidget const*) const', 'QString::arg(long long, int, int, QChar) const'])
  check(`${name} is left alone`, patterns.some(p => matches(p, name)));
finish();
