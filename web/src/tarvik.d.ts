// The core's WebAssembly module as the page sees it (web/bindings/module.cpp).
export interface EditReply {
  outcome: 'skip' | 'accept' | 'refuse';
  text: string;
  message: string;
}
export interface Spot {
  side: number;
  row: number;
  x: number;
  y: number;
  draggable: boolean;
}
export interface Captions {
  rollCenterHeight: string;
  rollCenterSide: string;
  movedRollCenterHeight: string;
  movedRollCenterSide: string;
  camberGain: string[];
  gainBasis: string;
  status: string;
  kingPinAngle: string[];
  spindleAngle: string[];
  scrubRadius: string[];
  track: string[];
  springLength: string[];
  springAngle: string[];
  wheelRate: string[];
  dynamicCamber: string[];
  springCompression: string[];
  faults: string[];
}
export interface TableFill {
  grids: string[][][];
  heat: string[][][];
  refusal: string;
  notice: string;
  baselineShown: boolean;
  perSide: boolean;
  caption: string;
  columnCaption: string;
  groupSize: number;
}
export interface GraphView {
  firstRow: number;
  lastRow: number;
  refusal: string;
  limitMessage: string;
  title: string;
  xAxisTitle: string;
  yAxisTitle: string;
  series: { legend: string; pair: number; baseline: boolean; points: [number, number][] }[];
}
export interface ReportItem {
  kind: 'text' | 'rule' | 'frame' | 'page' | 'fill';
  x: number;
  y: number;
  x2: number;
  y2: number;
  size: number;
  text: string;
  color: string;
}
export interface ReportView {
  items: ReportItem[];
  pages: number;
}
export interface TarvikDocument {
  openExample(name: string): string;
  openBytes(bytes: Uint8Array, name: string): string;
  applyEntries(entries: { entry: number; text: string }[]): void;
  newLayout(): void;
  fileBytes(): Uint8Array;
  fileName(): string;
  markSaved(name: string): void;
  changed(): boolean;
  setChanged(changed: boolean): void;
  entry(entry: number): string;
  shownEntry(entry: number): string;
  setUnits(metric: boolean): void;
  metric(): boolean;
  lengthFactor(): number;
  edit(entry: number, typed: string): EditReply;
  help(entry: number): string;
  description(entry: number): string;
  rowCaption(row: number): string;
  isInput(entry: number): boolean;
  otherSpecsResult(side: number, row: number): string;
  suspensionType(): number;
  setApplyDiveRoll(applied: boolean): void;
  applyDiveRoll(): boolean;
  undo(): boolean;
  redo(): boolean;
  canUndo(): boolean;
  canRedo(): boolean;
  svg(width: number, height: number): string;
  setBigLayout(big: boolean): void;
  captions(): Captions;
  spots(width: number, height: number): Spot[];
  beginDrag(): void;
  dragTo(side: number, row: number, x: number, y: number, width: number, height: number): string;
  endDrag(): void;
}
export interface TarvikTable {
  fill(): TableFill;
  showQuantity(quantity: number): TableFill;
  quantities(): string[];
  quantity(): number;
  graph(firstRow: number, lastRow: number): GraphView;
  report(width: number, height: number, comment: string,
    measure: (text: string, size: number) => [number, number]): ReportView;
  saveBaseline(): void;
  showBaseline(shown: boolean): void;
  csv(): string;
  baselineText(): string;
  takeBaselineText(text: string, metric: boolean): boolean;
}
export interface TarvikModule extends TarvikNumbering {
  Document: new (dataDir: string) => TarvikDocument;
  CamberTable: new (doc: TarvikDocument) => TarvikTable;
  Calculator: new (doc: TarvikDocument) => TarvikCalculator;
  PickupSearch: new (doc: TarvikDocument) => TarvikPickupSearch;
  shimMode: number;
  reportCommentPrompt: string;
  springMode: number;
}
export interface TarvikNumbering {
  pointEntry(side: number, column: number, row: number): number;
  otherSpecsEntry(side: number, row: number): number;
  diveEntry: number;
  rollEntry: number;
  pointRows: number;
  otherSpecsRows: number;
}
export interface CalcMessage {
  title: string;
  text: string;
  buttons: number; // 0 OK, 1 Yes/No, 2 Yes/No/Cancel
}
export interface CalcFeedback {
  messages: CalcMessage[];
  keepFocus: boolean;
}
export interface CalcRow {
  k: number;
  isChoice: boolean;
  caption: string;
  items: string[];
  choiceIndex: number;
  text: string;
  frame: number;
  enabled: boolean;
  visible: boolean;
}
export interface CalcView {
  caption: string;
  acceptCaption: string;
  note: string;
  frames: string[];
  rows: CalcRow[];
  outputs: { name: string; value: string; visible: boolean }[];
  acceptEnabled: boolean;
  isShim: boolean;
  target: { on: boolean; text: string; camber: string; residual: string; note: string };
}
export interface TarvikCalculator {
  open(mode: number, side: number): CalcFeedback & { refusal: CalcMessage | null };
  view(): CalcView | null;
  leaveBox(k: number, text: string): CalcFeedback;
  choose(k: number, index: number): CalcFeedback;
  setTargetOn(on: boolean): CalcFeedback;
  leaveTarget(text: string): CalcFeedback;
  accept(): { outcome: 'stay' | 'ask' | 'close'; message: CalcMessage | null; question: number };
  answer(question: number, answer: number): void;
  close(): void;
}
export interface DesignTargetRow {
  label: string;
  used: boolean;
  value: string;
  weight: string;
  isCamber: boolean;
  dive: string;
  roll: string;
  now: string;
  unit: string;
}
export interface DesignCoordinateRow {
  entry: number;
  label: string;
  used: boolean;
  minimum: string;
  maximum: string;
  now: string;
  computed: boolean;
}
export interface DesignForm {
  targets: DesignTargetRow[];
  coordinates: DesignCoordinateRow[];
  symmetric: boolean;
  preferSmallChange: boolean;
  lengthUnit: string;
}
export interface DesignProgress {
  stage: string;
  error: string;
  evaluations: number;
  elapsed: number;
  best?: DesignResult;
}
export interface DesignResult {
  refusal: string;
  entries: { entry: number; text: string }[];
  changes: { label: string; before: string; after: string }[];
  targets: { name: string; target: string; achieved: string; reached: boolean }[];
  movement: string;
  layoutProblem: boolean;
  status: string;
  applicable: boolean;
}
export interface TarvikPickupSearch {
  view(): DesignForm;
  setTarget(i: number, used: boolean, value: string, weight: string, dive: string, roll: string): void;
  setCoordinate(i: number, used: boolean, minimum: string, maximum: string): void;
  setSymmetric(symmetric: boolean): void;
  setPreferSmallChange(prefer: boolean): void;
  run(onProgress: (p: DesignProgress) => void): DesignResult;
}
