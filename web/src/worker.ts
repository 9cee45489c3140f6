// Find Pick-up Points off the page's thread: a module and document of its
// own, built from the layout's file bytes and the form the user filled.
// Progress is posted as the search goes; the page ends the worker to stop.
import type { DesignForm, TarvikModule } from './tarvik';

interface Job {
  bytes: Uint8Array;
  name: string;
  form: DesignForm;
}

self.onmessage = async (e: MessageEvent<Job>) => {
  const { default: createTarvik } = await import('./tarvik.mjs' as string);
  const mod = (await createTarvik()) as TarvikModule;
  const doc = new mod.Document('/data');
  doc.openBytes(e.data.bytes, e.data.name);
  const search = new mod.PickupSearch(doc);
  search.view();
  const form = e.data.form;
  form.targets.forEach((t, i) => search.setTarget(i, t.used, t.value, t.weight, t.dive, t.roll));
  form.coordinates.forEach((c, i) => search.setCoordinate(i, c.used, c.minimum, c.maximum));
  search.setSymmetric(form.symmetric);
  search.setPreferSmallChange(form.preferSmallChange);
  const result = search.run((progress) => postMessage({ progress }));
  postMessage({ result });
};
