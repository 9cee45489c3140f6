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
  baselineShown: boolean;
}
export interface TarvikDocument {
  openExample(name: string): string;
  openBytes(bytes: Uint8Array, name: string): string;
  newLayout(): void;
  fileBytes(): Uint8Array;
  fileName(): string;
  markSaved(name: string): void;
  changed(): boolean;
  setChanged(changed: boolean): void;
  entry(entry: number): string;
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
  saveBaseline(): void;
  showBaseline(shown: boolean): void;
  csv(): string;
  baselineText(): string;
  takeBaselineText(text: string): boolean;
}
export interface TarvikModule extends TarvikNumbering {
  Document: new (dataDir: string) => TarvikDocument;
  CamberTable: new (doc: TarvikDocument) => TarvikTable;
}
export interface TarvikNumbering {
  pointEntry(side: number, column: number, row: number): number;
  otherSpecsEntry(side: number, row: number): number;
  diveEntry: number;
  rollEntry: number;
  pointRows: number;
  otherSpecsRows: number;
}
